// TableDefinition writes a table's definition pages: row count, columns, names and the
// pointers to its usage maps, in the layout of the file's format.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "column_layout.h"
#include "table_content.h"
#include "text_encoder.h"

namespace kinmora::mkfamily {

struct TableFacts {
    std::uint32_t rowCount = 0;
    std::uint32_t usedPagesMap = 0;  // row pointers to the two usage map rows
    std::uint32_t freePagesMap = 0;
};

class TableDefinition {
public:
    TableDefinition(const TableContent& table, const ColumnLayout& layout, const TextEncoder& text);

    // Pages the definition needs; it continues onto further pages when the columns are many.
    std::size_t pageCount() const;
    // One page per number in `pageNumbers`, which must hold pageCount() numbers.
    std::vector<std::string> pages(const std::vector<std::uint32_t>& pageNumbers,
                                   const TableFacts& facts) const;

private:
    std::string bytes(const TableFacts& facts) const;
    std::string columnEntry(const ColumnPlace& place) const;

    const TableContent& m_table;
    const ColumnLayout& m_layout;
    const TextEncoder& m_text;
    const JetFormat& m_format;
};

}  // namespace kinmora::mkfamily
