// The bytes are decoded here rather than by libmdb, which converts into a
// buffer of fixed size and stops at its end, cuts Unicode text at a NUL and
// turns every surrogate pair into "?".
#include "data/text_decoder.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>
#include <vector>

#include "data/code_page.h"
#include "data/cp874.h"

namespace kinmora {

struct TextDecoder::Converter {
    iconv_t handle;
    ~Converter() { ::iconv_close(handle); }
};

TextDecoder::TextDecoder(Form form) : m_form(form) {}
TextDecoder::~TextDecoder() = default;
TextDecoder::TextDecoder(TextDecoder&&) noexcept = default;
TextDecoder& TextDecoder::operator=(TextDecoder&&) noexcept = default;

TextDecoder TextDecoder::unicode() {
    return TextDecoder(Form::Unicode);
}

TextDecoder TextDecoder::codePage(int codePage) {
    if (codePage == code_page::kThai) return TextDecoder(Form::Thai);
    const iconv_t handle = ::iconv_open("UTF-16LE", code_page::iconvName(codePage).constData());
    if (handle == reinterpret_cast<iconv_t>(-1))
        throw std::invalid_argument("no converter for code page " + std::to_string(codePage));
    TextDecoder decoder(Form::Iconv);
    decoder.m_converter.reset(new Converter{handle});
    return decoder;
}

QString TextDecoder::decode(const unsigned char* bytes, std::size_t size) const {
    switch (m_form) {
        case Form::Thai:
            return decodeCp874(bytes, size);
        case Form::Unicode:
            return code_page::maskControlCharacters(decodeUnicode(bytes, size));
        case Form::Iconv:
            break;
    }
    return code_page::maskControlCharacters(decodeIconv(bytes, size));
}

// Compressed text starts with FF FE and holds one byte per character (the
// high byte being zero) until a zero byte switches to two bytes per
// character, and the next zero byte back.
QString TextDecoder::decodeUnicode(const unsigned char* bytes, std::size_t size) const {
    QString text;
    text.reserve(static_cast<qsizetype>(size / 2 + 1));
    const bool compressed = size >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE;
    if (!compressed) {
        for (std::size_t i = 0; i + 1 < size; i += 2)
            text += QChar(static_cast<char16_t>(bytes[i] | bytes[i + 1] << 8));
    } else {
        bool oneByte = true;
        for (std::size_t i = 2; i < size;) {
            if (bytes[i] == 0) {
                oneByte = !oneByte;
                ++i;
            } else if (oneByte) {
                text += QChar(static_cast<char16_t>(bytes[i++]));
            } else if (i + 1 < size) {
                text += QChar(static_cast<char16_t>(bytes[i] | bytes[i + 1] << 8));
                i += 2;
            } else {
                break;
            }
        }
    }
    // A surrogate stands only as half of a pair.
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            text[i] = QChar(0xFFFD);
    }
    return text;
}

// A byte the code page does not define, or a double-byte character cut
// short, becomes U+FFFD and the conversion goes on after it.
QString TextDecoder::decodeIconv(const unsigned char* bytes, std::size_t size) const {
    iconv_t handle = m_converter->handle;
    ::iconv(handle, nullptr, nullptr, nullptr, nullptr);
    std::vector<char16_t> out(size + 1);
    QString text;
    text.reserve(static_cast<qsizetype>(size));
    char* in = const_cast<char*>(reinterpret_cast<const char*>(bytes));
    std::size_t inLeft = size;
    while (inLeft > 0) {
        char* to = reinterpret_cast<char*>(out.data());
        std::size_t toLeft = out.size() * sizeof(char16_t);
        const std::size_t result = ::iconv(handle, &in, &inLeft, &to, &toLeft);
        const auto units = static_cast<qsizetype>(reinterpret_cast<char16_t*>(to) - out.data());
        text.append(reinterpret_cast<const QChar*>(out.data()), units);
        if (result != static_cast<std::size_t>(-1)) break;
        if (errno == E2BIG) continue;
        text += QChar(0xFFFD);  // EILSEQ or EINVAL: skip the byte
        ++in;
        --inLeft;
        ::iconv(handle, nullptr, nullptr, nullptr, nullptr);
    }
    return text;
}

}  // namespace kinmora
