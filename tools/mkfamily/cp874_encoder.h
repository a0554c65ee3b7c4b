// Cp874Encoder turns UTF-8 text into the Thai code page 874 bytes that Access 97 stores.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kinmora::mkfamily {

class Cp874Encoder {
public:
    // Throws std::invalid_argument for malformed UTF-8 or a character code page 874 lacks.
    static std::string encode(std::string_view utf8);
};

}  // namespace kinmora::mkfamily
