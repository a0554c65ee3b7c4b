// Plain characters are copied in runs; only quotes, backslashes, control
// characters and the two JavaScript line separators are escaped.
#include "site/json_text.h"

namespace kinmora {

void JsonText::appendString(QByteArray& out, const QString& text) {
    out.append('"');
    const char16_t* begin = reinterpret_cast<const char16_t*>(text.constData());
    const qsizetype size = text.size();
    qsizetype runStart = 0;
    const auto flush = [&](qsizetype end) {
        if (end > runStart) out.append(QStringView(begin + runStart, end - runStart).toUtf8());
    };
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = begin[i];
        const bool slash = c == u'/' && i > 0 && begin[i - 1] == u'<';
        if (c >= 0x20 && c != u'"' && c != u'\\' && c != 0x2028 && c != 0x2029 && !slash) continue;
        flush(i);
        runStart = i + 1;
        switch (c) {
            case u'"':
                out.append("\\\"");
                break;
            case u'\\':
                out.append("\\\\");
                break;
            case u'\n':
                out.append("\\n");
                break;
            case u'\r':
                out.append("\\r");
                break;
            case u'\t':
                out.append("\\t");
                break;
            case u'/':
                out.append("\\/");
                break;
            default:
                out.append(QStringLiteral("\\u%1")
                               .arg(static_cast<int>(c), 4, 16, QLatin1Char('0'))
                               .toLatin1());
        }
    }
    flush(size);
    out.append('"');
}

void JsonText::appendNumber(QByteArray& out, std::optional<std::int64_t> n) {
    if (n)
        out.append(QByteArray::number(static_cast<qlonglong>(*n)));
    else
        out.append("null");
}

}  // namespace kinmora
