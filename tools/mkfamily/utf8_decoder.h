// Utf8Decoder turns UTF-8 text, as CSV files hold it, into Unicode code points.
#pragma once

#include <string>
#include <string_view>

namespace kinmora::mkfamily {

class Utf8Decoder {
public:
    // Throws std::invalid_argument for malformed UTF-8 (overlong forms and surrogates too).
    static std::u32string decode(std::string_view utf8);
    // The UTF-8 form of one code point, for messages.
    static std::string encode(char32_t c);
};

}  // namespace kinmora::mkfamily
