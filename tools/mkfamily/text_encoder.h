// TextEncoder turns UTF-8 text into the bytes an Access format stores: code page 874 in
// Access 97; UCS-2 in Access 2000 and 2007, compressed where Access compresses it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "jet_format.h"

namespace kinmora::mkfamily {

class TextEncoder {
public:
    explicit TextEncoder(const JetFormat& format);

    // A Text or Memo value. In UCS-2, characters beyond the BMP become surrogate pairs and
    // a NUL is kept. Throws std::invalid_argument for malformed UTF-8 or, in Access 97, a
    // character code page 874 lacks.
    std::string value(std::string_view utf8) const;
    // A name (column, password): code page 874, or UCS-2 never compressed.
    std::string plain(std::string_view utf8) const;
    // Characters as Access counts them: code page 874 bytes, or UTF-16 code units.
    std::size_t length(std::string_view utf8) const;

    const JetFormat& format() const { return m_format; }

private:
    const JetFormat& m_format;
};

}  // namespace kinmora::mkfamily
