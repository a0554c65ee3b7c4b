// DatabaseHeader builds page 0, which marks the file as an Access 97 database with Thai text.
#pragma once

#include <string>

namespace kinmora::mkfamily {

class DatabaseHeader {
public:
    static std::string page();
};

}  // namespace kinmora::mkfamily
