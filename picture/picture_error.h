// PictureError: a chart picture that could not be laid out or written; the
// message says why, and names the file once the writer knows it.
#pragma once

#include <stdexcept>

namespace kinmora {

class PictureError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace kinmora
