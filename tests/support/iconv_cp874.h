// Code page 874 as the C library's converter reads it: the independent table
// that both the reader's decoder and the writer's encoder are checked against.
#pragma once

#include <iconv.h>

#include <optional>
#include <string>

namespace kinmora::testing {

// The byte as UTF-8, or nothing where the code page leaves it undefined.
inline std::optional<std::string> iconvCp874ToUtf8(unsigned char byte) {
    iconv_t toUtf8 = ::iconv_open("UTF-8", "WINDOWS-874");
    if (toUtf8 == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    char in = static_cast<char>(byte);
    char out[8] = {};
    char* inPtr = &in;
    char* outPtr = out;
    std::size_t inLeft = 1;
    std::size_t outLeft = sizeof out;
    const std::size_t done = ::iconv(toUtf8, &inPtr, &inLeft, &outPtr, &outLeft);
    ::iconv_close(toUtf8);
    if (done == static_cast<std::size_t>(-1)) return std::nullopt;
    return std::string(out, outPtr);
}

}  // namespace kinmora::testing
