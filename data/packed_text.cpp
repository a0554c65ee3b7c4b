// The Thai block has 128 code points, so they fit the byte values ASCII
// leaves free, and packing and unpacking are one table-free step a character.
#include "data/packed_text.h"

namespace kinmora {
namespace {

constexpr char16_t kThaiBlock = 0x0E00;

}  // namespace

std::optional<PackedText> PackedText::pack(const QString& text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80)
            *out++ = static_cast<char>(u);
        else if (u >= kThaiBlock && u < kThaiBlock + 0x80)
            *out++ = static_cast<char>(0x80 + (u - kThaiBlock));
        else
            return std::nullopt;
    }
    return PackedText(std::move(bytes));
}

QString PackedText::unpack() const {
    QString text(m_bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : m_bytes) {
        const auto b = static_cast<unsigned char>(byte);
        *out++ = QChar(b < 0x80 ? char16_t{b} : static_cast<char16_t>(kThaiBlock + (b - 0x80)));
    }
    return text;
}

}  // namespace kinmora
