// TableHeader reads a CSV header row into column names and the types they ask for.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "column_type.h"
#include "text_encoder.h"

namespace kinmora::mkfamily {

struct HeaderColumn {
    std::string label;               // UTF-8, as spelled in the header, for messages
    std::string name;                // UTF-8, checked against Access's naming rules
    std::optional<ColumnType> type;  // nothing: infer from the values
};

class TableHeader {
public:
    // A cell is "name" or "name:type". Known family columns (code, born, ...) get their
    // usual type whatever their letter case. Throws std::invalid_argument on a bad header.
    static std::vector<HeaderColumn> parse(const std::vector<std::string>& cells,
                                           const TextEncoder& text);
};

}  // namespace kinmora::mkfamily
