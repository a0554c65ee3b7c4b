// DatabaseHeader builds page 0, which names the file's format, says its text is Thai and
// keeps the database password.
#pragma once

#include <string>

#include "jet_format.h"

namespace kinmora::mkfamily {

class DatabaseHeader {
public:
    // `password` (UTF-8, at most 20 characters) may be empty for none; `created` is the
    // creation date as an Access day count, which Jet 4 keeps and masks the password with.
    // Throws std::invalid_argument for a password the format cannot keep.
    static std::string page(const JetFormat& format, const std::string& password, double created);
};

}  // namespace kinmora::mkfamily
