// AccessName checks a table or column name against Access's naming rules and encodes it.
#include "access_name.h"

#include <stdexcept>

#include "cp874_encoder.h"
#include "jet3_format.h"

namespace kinmora::mkfamily {

std::string AccessName::encode(std::string_view utf8, std::string_view what) {
    const std::string label = std::string(what) + " name '" + std::string(utf8) + "'";
    if (utf8.empty()) throw std::invalid_argument(std::string(what) + " name is empty");
    std::string encoded;
    try {
        encoded = Cp874Encoder::encode(utf8);
    } catch (const std::invalid_argument& e) {
        throw std::invalid_argument(label + ": " + e.what());
    }
    if (encoded.size() > jet3::kMaxNameLength) {
        throw std::invalid_argument(label + " is longer than the 64 characters Access allows");
    }
    if (encoded.front() == ' ') {
        throw std::invalid_argument(label + " starts with a space, which Access does not allow");
    }
    for (const char c : encoded) {
        if (static_cast<unsigned char>(c) < 0x20 || c == '.' || c == '!' || c == '`' || c == '[' ||
            c == ']') {
            throw std::invalid_argument(label +
                                        " contains a character Access does not allow "
                                        "in names (. ! ` [ ] or a control character)");
        }
    }
    return encoded;
}

std::string AccessName::foldCase(std::string_view name) {
    std::string folded(name);
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return folded;
}

}  // namespace kinmora::mkfamily
