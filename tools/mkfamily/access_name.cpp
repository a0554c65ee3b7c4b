// AccessName checks a table or column name against Access's naming rules.
#include "access_name.h"

#include <stdexcept>

#include "jet_format.h"

namespace kinmora::mkfamily {

std::string AccessName::check(std::string_view utf8, std::string_view what,
                              const TextEncoder& text) {
    const std::string label = std::string(what) + " name '" + std::string(utf8) + "'";
    if (utf8.empty()) throw std::invalid_argument(std::string(what) + " name is empty");
    std::size_t length = 0;
    try {
        length = text.length(utf8);
    } catch (const std::invalid_argument& e) {
        throw std::invalid_argument(label + ": " + e.what());
    }
    if (length > jet::kMaxNameLength) {
        throw std::invalid_argument(label + " is longer than the 64 characters Access allows");
    }
    if (utf8.front() == ' ') {
        throw std::invalid_argument(label + " starts with a space, which Access does not allow");
    }
    for (const char c : utf8) {
        if (static_cast<unsigned char>(c) < 0x20 || c == '.' || c == '!' || c == '`' || c == '[' ||
            c == ']') {
            throw std::invalid_argument(label +
                                        " contains a character Access does not allow "
                                        "in names (. ! ` [ ] or a control character)");
        }
    }
    return std::string(utf8);
}

std::string AccessName::foldCase(std::string_view name) {
    std::string folded(name);
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return folded;
}

}  // namespace kinmora::mkfamily
