// AccessName checks a table or column name against Access's naming rules.
#pragma once

#include <string>
#include <string_view>

#include "text_encoder.h"

namespace kinmora::mkfamily {

class AccessName {
public:
    // The name, still UTF-8, once `text` can store it. `what` ("table", "column") words the
    // error, a std::invalid_argument, when the name is empty, too long, has a forbidden
    // character or one the format cannot hold.
    static std::string check(std::string_view utf8, std::string_view what, const TextEncoder& text);

    // Access compares names without regard to ASCII letter case.
    static std::string foldCase(std::string_view name);
};

}  // namespace kinmora::mkfamily
