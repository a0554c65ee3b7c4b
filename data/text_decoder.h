// Turns the stored bytes of a text or memo value into text, whole, for every
// format an Access file keeps text in.
#pragma once

#include <QString>
#include <cstddef>
#include <memory>

namespace kinmora {

class TextDecoder {
public:
    // Access 2000 and later: UCS-2, little-endian, "compressed" when the
    // bytes begin FF FE. Characters beyond the Basic Multilingual Plane stay
    // whole as their surrogate pairs.
    static TextDecoder unicode();
    // Access 97: single or double bytes in `codePage` (874 is decoded here,
    // every other code page through iconv). Throws std::invalid_argument for
    // a code page iconv does not know.
    static TextDecoder codePage(int codePage);

    ~TextDecoder();
    TextDecoder(TextDecoder&&) noexcept;
    TextDecoder& operator=(TextDecoder&&) noexcept;

    // The text the `size` bytes at `bytes` hold. Control characters other
    // than tab and the line breaks, NULs, lone surrogates and bytes the code
    // page does not define each become U+FFFD: nothing cuts the text short,
    // and nothing in it can act on a terminal.
    QString decode(const unsigned char* bytes, std::size_t size) const;

private:
    struct Converter;  // an iconv handle
    enum class Form { Unicode, Thai, Iconv };
    explicit TextDecoder(Form form);

    QString decodeUnicode(const unsigned char* bytes, std::size_t size) const;
    QString decodeIconv(const unsigned char* bytes, std::size_t size) const;

    Form m_form;
    std::unique_ptr<Converter> m_converter;
};

}  // namespace kinmora
