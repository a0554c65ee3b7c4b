// A text kept one byte a character when every character is ASCII or Thai:
// a family file's biographies, held for as long as the file is open, take
// half the memory they would as UTF-16.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace kinmora {

class PackedText {
public:
    // `text` packed, or nothing when a character of it is neither ASCII nor
    // in the Thai block (U+0E00 to U+0E7F).
    static std::optional<PackedText> pack(const QString& text);

    // The text as it was packed.
    QString unpack() const;

    bool operator==(const PackedText&) const = default;

private:
    explicit PackedText(QByteArray bytes) : m_bytes(std::move(bytes)) {}
    QByteArray m_bytes;  // below 0x80 ASCII; from 0x80 on U+0E00 onwards
};

}  // namespace kinmora
