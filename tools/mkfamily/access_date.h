// AccessDate converts "YYYY-MM-DD[ HH:MM:SS]" text to the day count Access stores for dates.
#pragma once

#include <optional>
#include <string_view>

namespace kinmora::mkfamily {

class AccessDate {
public:
    // Days since 1899-12-30; before that day the time of day is subtracted from the negative
    // day number rather than added, as Access does. Nothing if the text is not a valid date
    // between the years 100 and 9999.
    static std::optional<double> fromText(std::string_view text);
};

}  // namespace kinmora::mkfamily
