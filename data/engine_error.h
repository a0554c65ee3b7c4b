// The error raised when the engine cannot answer a query or a find.
#pragma once

#include <stdexcept>
#include <string>

namespace kinmora {

class EngineError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace kinmora
