// InputError reports a fault in the caller's input, naming the source file and line.
#include "input_error.h"

namespace kinmora::mkfamily {

namespace {
std::string located(const std::string& source, std::size_t line, const std::string& what) {
    if (line == 0) return source + ": " + what;
    return source + ":" + std::to_string(line) + ": " + what;
}
}  // namespace

InputError::InputError(const std::string& source, std::size_t line, const std::string& what)
    : std::runtime_error(located(source, line, what)) {}

}  // namespace kinmora::mkfamily
