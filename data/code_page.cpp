// Code pages other than Thai are decoded by libmdb through iconv.
#include "data/code_page.h"

#include <iconv.h>

namespace kinmora::code_page {

QByteArray iconvName(int codePage) {
    return "CP" + QByteArray::number(codePage);
}

bool isKnown(int codePage) {
    if (codePage == kThai) return true;
    if (codePage <= 0 || codePage > 65535) return false;
    const iconv_t converter = ::iconv_open("UTF-8", iconvName(codePage).constData());
    if (converter == reinterpret_cast<iconv_t>(-1)) return false;
    ::iconv_close(converter);
    return true;
}

QString maskControlCharacters(QString text) {
    for (QChar& c : text) {
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != '\t' && u != '\n' && u != '\r') || (u >= 0x7F && u < 0xA0))
            c = QChar(0xFFFD);
    }
    return text;
}

}  // namespace kinmora::code_page
