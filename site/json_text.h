// Writes JSON values into a byte buffer quickly enough for tens of megabytes
// of biographies, as script files that browsers read from file://.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

namespace kinmora {

class JsonText {
public:
    // `text` as a JSON string; also safe inside a script file: U+2028 and
    // U+2029 are escaped, and "</" is written "<\/".
    static void appendString(QByteArray& out, const QString& text);
    // A whole number, or null.
    static void appendNumber(QByteArray& out, std::optional<std::int64_t> n);
};

}  // namespace kinmora
