// TableReader turns one CSV file into a typed table, checking every cell on the way.
#include "table_reader.h"

#include <stdexcept>
#include <utility>

#include "access_name.h"
#include "cell_parser.h"
#include "csv_reader.h"
#include "input_error.h"
#include "table_header.h"
#include "type_inference.h"

namespace kinmora::mkfamily {

namespace {

std::string tableName(const TableCsv& csv, const TextEncoder& text) {
    try {
        std::string name = AccessName::check(csv.tableName, "table", text);
        if (AccessName::foldCase(name).starts_with("msys")) {
            throw std::invalid_argument("table name '" + csv.tableName +
                                        "' is reserved: names starting with MSys belong to "
                                        "Access system tables");
        }
        return name;
    } catch (const std::invalid_argument& e) {
        throw InputError(csv.sourceName, 0, e.what());
    }
}

std::vector<std::string> texts(const CsvRecord& record) {
    std::vector<std::string> cells;
    cells.reserve(record.fields.size());
    for (const CsvField& field : record.fields) cells.push_back(field.text);
    return cells;
}

CellValue cell(const CsvField& field, ColumnType type, const std::string& label,
               const std::string& source, const TextEncoder& text) {
    try {
        return CellParser::parse(field.text, type, text);
    } catch (const std::invalid_argument& e) {
        throw InputError(source, field.line, "column '" + label + "': " + e.what());
    }
}

// A column whose header names no type: its cells wait as text until all are seen.
struct PendingColumn {
    std::size_t column;
    TypeInference inference;
    std::vector<CsvField> cells;
};

}  // namespace

TableContent TableReader::read(const TableCsv& csv, FileFormat format) {
    const TextEncoder text(JetFormat::of(format));
    TableContent table;
    table.name = tableName(csv, text);
    table.sourceName = csv.sourceName;

    CsvReader reader(csv.csvText, csv.sourceName);
    const auto header = reader.next();
    if (!header) throw InputError(csv.sourceName, 1, "no header row naming the columns");
    std::vector<HeaderColumn> headerColumns;
    try {
        headerColumns = TableHeader::parse(texts(*header), text);
    } catch (const std::invalid_argument& e) {
        throw InputError(csv.sourceName, header->line, e.what());
    }

    const std::size_t width = headerColumns.size();
    std::vector<PendingColumn> pending;
    std::vector<bool> isPending(width, false);
    for (std::size_t c = 0; c < width; ++c) {
        table.columns.push_back(
            {headerColumns[c].name, headerColumns[c].type.value_or(ColumnType::Text)});
        if (!headerColumns[c].type) {
            pending.push_back({c, {}, {}});
            isPending[c] = true;
        }
    }

    while (auto record = reader.next()) {
        if (record->fields.size() != width) {
            throw InputError(csv.sourceName, record->line,
                             std::to_string(record->fields.size()) + " cells, but the header has " +
                                 std::to_string(width) + " columns");
        }
        std::vector<CellValue> row(width);
        for (std::size_t c = 0; c < width; ++c) {
            if (!isPending[c]) {
                row[c] = cell(record->fields[c], table.columns[c].type, headerColumns[c].label,
                              csv.sourceName, text);
            }
        }
        for (PendingColumn& column : pending) {
            column.inference.observe(record->fields[column.column].text);
            column.cells.push_back(std::move(record->fields[column.column]));
        }
        table.rows.push_back(std::move(row));
        table.rowLines.push_back(record->line);
    }

    for (PendingColumn& column : pending) {
        const ColumnType type = column.inference.result();
        table.columns[column.column].type = type;
        for (std::size_t r = 0; r < table.rows.size(); ++r) {
            table.rows[r][column.column] = cell(
                column.cells[r], type, headerColumns[column.column].label, csv.sourceName, text);
        }
        std::vector<CsvField>().swap(column.cells);
    }
    return table;
}

}  // namespace kinmora::mkfamily
