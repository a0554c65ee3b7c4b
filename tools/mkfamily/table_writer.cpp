// TableWriter writes one table into the file: long values, definition, data pages, usage maps.
#include "table_writer.h"

#include <algorithm>
#include <stdexcept>

#include "column_layout.h"
#include "input_error.h"
#include "jet_format.h"
#include "long_value_writer.h"
#include "row_encoder.h"
#include "table_definition.h"
#include "usage_map_writer.h"

namespace kinmora::mkfamily {

namespace {

using LongValueFields = std::vector<std::vector<std::string>>;

std::string encodeRow(const RowEncoder& encoder, const TableContent& table, std::size_t r,
                      const std::vector<std::string>& longValueFields) {
    try {
        return encoder.encode(table.rows[r], longValueFields);
    } catch (const std::invalid_argument& e) {
        throw InputError(table.sourceName, table.rowLines[r], e.what());
    }
}

// Memo values go first, ahead of the table's data pages, so those stay one unbroken run.
// A short value is kept inline as long as the row stays within the format's row size.
LongValueFields writeLongValues(PageFile& file, TableContent& table, const RowEncoder& encoder) {
    LongValueFields fields(table.rows.size());
    std::vector<std::size_t> longColumns;
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        if (isLongValue(table.columns[c].type)) longColumns.push_back(c);
    }
    if (longColumns.empty()) return fields;

    const std::size_t maxRowSize = file.format().maxRowSize;
    LongValueWriter writer(file);
    const std::string placeholder(jet::kLongValueFieldSize, '\0');
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        std::vector<CellValue>& row = table.rows[r];
        std::vector<std::string> placeholders;
        for (const std::size_t c : longColumns) {
            const bool null = std::holds_alternative<std::monostate>(row[c]);
            placeholders.push_back(null ? std::string() : placeholder);
        }
        const std::size_t baseSize = encodeRow(encoder, table, r, placeholders).size();
        std::size_t room = maxRowSize - std::min(baseSize, maxRowSize);
        for (const std::size_t c : longColumns) {
            if (std::holds_alternative<std::monostate>(row[c])) {
                fields[r].emplace_back();
                continue;
            }
            std::string& value = std::get<std::string>(row[c]);
            const std::size_t inlineLimit = std::min(jet::kMaxInlineLongValue, room);
            fields[r].push_back(writer.store(value, inlineLimit));
            if (value.size() <= inlineLimit) room -= value.size();
            std::string().swap(value);
        }
    }
    writer.finish();
    return fields;
}

}  // namespace

TableWriter::TableWriter(PageFile& file, RowPageStream& usageMaps)
    : m_file(file), m_usageMaps(usageMaps), m_text(file.format()) {}

std::uint32_t TableWriter::write(TableContent& table, std::optional<std::uint32_t> definitionPage) {
    const ColumnLayout layout(table.columns);
    const RowEncoder encoder(layout, m_file.format());
    const LongValueFields longValues = writeLongValues(m_file, table, encoder);

    const TableDefinition definition(table, layout, m_text);
    std::vector<std::uint32_t> definitionPages;
    if (definitionPage) {
        if (definition.pageCount() != 1) {
            throw std::logic_error("a reserved table definition page cannot hold the table");
        }
        definitionPages.push_back(*definitionPage);
    } else {
        for (std::size_t i = 0; i < definition.pageCount(); ++i) {
            definitionPages.push_back(m_file.reserve());
        }
    }

    RowPageStream data(m_file, definitionPages.front());
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const std::string row = encodeRow(encoder, table, r, longValues[r]);
        const JetFormat& format = m_file.format();
        if (row.size() > format.maxRowSize) {
            throw InputError(table.sourceName, table.rowLines[r],
                             "the row takes " + std::to_string(row.size()) +
                                 " bytes, more than the " + std::to_string(format.maxRowSize) +
                                 " an " + std::string(format.name) +
                                 " row holds; shorten its Text values");
        }
        data.add(row);
    }
    data.finish();

    // Pages are filled in order, so only the last one was left open for more rows.
    UsageMapWriter maps(m_file);
    std::vector<std::uint32_t> withRoom;
    if (!data.pages().empty()) withRoom.push_back(data.pages().back());
    TableFacts facts;
    facts.rowCount = static_cast<std::uint32_t>(table.rows.size());
    facts.usedPagesMap = m_usageMaps.add(maps.mapOf(data.pages()));
    facts.freePagesMap = m_usageMaps.add(maps.mapOf(withRoom));

    const auto pages = definition.pages(definitionPages, facts);
    for (std::size_t i = 0; i < pages.size(); ++i) m_file.write(definitionPages[i], pages[i]);
    return definitionPages.front();
}

}  // namespace kinmora::mkfamily
