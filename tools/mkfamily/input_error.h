// InputError reports a fault in the caller's input, naming the source file and line.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

namespace kinmora::mkfamily {

class InputError : public std::runtime_error {
public:
    // A line of 0 means the fault concerns the whole source, not one line of it.
    InputError(const std::string& source, std::size_t line, const std::string& what);
};

}  // namespace kinmora::mkfamily
