// Characters are encoded straight into the buffer; only quotes, backslashes,
// control characters and the two JavaScript line separators are escaped.
#include "site/json_text.h"

namespace kinmora {

namespace {

// One UTF-16 code unit (or a surrogate pair starting at `i`) as UTF-8;
// advances `i` past a pair. A lone surrogate is written as U+FFFD.
void appendUtf8(QByteArray& out, const char16_t* text, qsizetype size, qsizetype& i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < size && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
        c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
        ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
        c = 0xFFFD;
    }
    if (c < 0x80) {
        out.append(static_cast<char>(c));
    } else if (c < 0x800) {
        const char bytes[] = {static_cast<char>(0xC0 | (c >> 6)),
                              static_cast<char>(0x80 | (c & 0x3F))};
        out.append(bytes, 2);
    } else if (c < 0x10000) {
        const char bytes[] = {static_cast<char>(0xE0 | (c >> 12)),
                              static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
                              static_cast<char>(0x80 | (c & 0x3F))};
        out.append(bytes, 3);
    } else {
        const char bytes[] = {
            static_cast<char>(0xF0 | (c >> 18)), static_cast<char>(0x80 | ((c >> 12) & 0x3F)),
            static_cast<char>(0x80 | ((c >> 6) & 0x3F)), static_cast<char>(0x80 | (c & 0x3F))};
        out.append(bytes, 4);
    }
}

}  // namespace

void JsonText::appendString(QByteArray& out, const QString& text) {
    out.append('"');
    const char16_t* chars = reinterpret_cast<const char16_t*>(text.constData());
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = chars[i];
        switch (c) {
            case u'"':
                out.append("\\\"", 2);
                break;
            case u'\\':
                out.append("\\\\", 2);
                break;
            case u'\n':
                out.append("\\n", 2);
                break;
            case u'\r':
                out.append("\\r", 2);
                break;
            case u'\t':
                out.append("\\t", 2);
                break;
            case u'/':
                out.append(i > 0 && chars[i - 1] == u'<' ? "\\/" : "/");
                break;
            case 0x2028:
            case 0x2029:
                out.append(c == 0x2028 ? "\\u2028" : "\\u2029", 6);
                break;
            default:
                if (c < 0x20)
                    out.append(QByteArray("\\u00") + "0123456789abcdef"[c >> 4] +
                               "0123456789abcdef"[c & 15]);
                else
                    appendUtf8(out, chars, size, i);
        }
    }
    out.append('"');
}

void JsonText::appendNumber(QByteArray& out, std::optional<std::int64_t> n) {
    if (n)
        out.append(QByteArray::number(static_cast<qlonglong>(*n)));
    else
        out.append("null");
}

}  // namespace kinmora
