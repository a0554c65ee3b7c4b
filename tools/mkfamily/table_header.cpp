// TableHeader reads a CSV header row into column names and the types they ask for.
#include "table_header.h"

#include <set>
#include <stdexcept>
#include <string_view>

#include "access_name.h"
#include "data/family_columns.h"
#include "jet_format.h"

namespace kinmora::mkfamily {

namespace {

ColumnType writtenType(kinmora::ColumnType type) {
    switch (type) {
        case kinmora::ColumnType::Bool:
            return ColumnType::Boolean;
        case kinmora::ColumnType::Integer:
            return ColumnType::Integer;
        case kinmora::ColumnType::Date:
            return ColumnType::DateTime;
        case kinmora::ColumnType::Memo:
            return ColumnType::Memo;
        default:
            return ColumnType::Text;
    }
}

std::optional<ColumnType> familyColumnType(const std::string& lowerName) {
    for (const FamilyColumn& column : kFamilyColumns)
        if (column.name == lowerName) return writtenType(column.type);
    return std::nullopt;
}

}  // namespace

std::vector<HeaderColumn> TableHeader::parse(const std::vector<std::string>& cells,
                                             const TextEncoder& text) {
    if (cells.size() > jet::kMaxColumns) {
        throw std::invalid_argument("the header names " + std::to_string(cells.size()) +
                                    " columns; an Access table holds at most 255");
    }
    std::vector<HeaderColumn> columns;
    std::set<std::string> seen;
    for (const std::string& cell : cells) {
        std::string_view name = cell;
        std::optional<ColumnType> type;
        if (const auto colon = name.rfind(':'); colon != std::string_view::npos) {
            const std::string_view suffix = name.substr(colon + 1);
            type = columnTypeFromSuffix(suffix);
            if (!type) {
                throw std::invalid_argument("column '" + cell + "': unknown type '" +
                                            std::string(suffix) +
                                            "' (use int, long, bool, date, text, memo or double)");
            }
            name = name.substr(0, colon);
        }
        std::string stored = AccessName::check(name, "column", text);
        const std::string lower = AccessName::foldCase(stored);
        if (!seen.insert(lower).second) {
            throw std::invalid_argument("column '" + std::string(name) + "' appears twice");
        }
        if (!type) type = familyColumnType(lower);
        columns.push_back({std::string(name), std::move(stored), type});
    }
    return columns;
}

}  // namespace kinmora::mkfamily
