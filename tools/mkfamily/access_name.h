// AccessName checks a table or column name against Access's naming rules and encodes it.
#pragma once

#include <string>
#include <string_view>

namespace kinmora::mkfamily {

class AccessName {
public:
    // The name in code page 874. `what` ("table", "column") words the error, a
    // std::invalid_argument, when the name is empty, too long or has a forbidden character.
    static std::string encode(std::string_view utf8, std::string_view what);

    // Access compares names without regard to ASCII letter case.
    static std::string foldCase(std::string_view name);
};

}  // namespace kinmora::mkfamily
