// TableDefinition writes a table's definition pages: row count, columns, names and the
// pointers to its usage maps.
#include "table_definition.h"

#include <algorithm>
#include <stdexcept>

#include "jet3_format.h"
#include "little_endian.h"

namespace kinmora::mkfamily {

namespace {

constexpr std::size_t kPageHeader = 8;  // type, flag, "VC", next definition page
constexpr std::uint8_t kUserTable = 0x4E;
constexpr std::uint8_t kSystemTable = 0x53;
constexpr std::uint8_t kFixedColumn = 0x01;
constexpr std::uint8_t kUpdatableColumn = 0x02;
constexpr std::size_t kContinuedPayload = jet3::kPageSize - kPageHeader;

std::string pageHeader(std::uint32_t nextPage) {
    std::string header{static_cast<char>(jet3::kTableDefinitionPage), 0x01, 'V', 'C'};
    little_endian::append32(header, nextPage);
    return header;
}

}  // namespace

TableDefinition::TableDefinition(const TableContent& table, const ColumnLayout& layout)
    : m_table(table), m_layout(layout) {}

std::string TableDefinition::bytes(const TableFacts& facts) const {
    const auto& places = m_layout.places();
    std::string out(kPageHeader, '\0');  // filled per page
    little_endian::append32(out, 0);     // total length, set below
    little_endian::append32(out, facts.rowCount);
    little_endian::append32(out, 0);  // next autonumber: none
    out.push_back(static_cast<char>(m_table.system ? kSystemTable : kUserTable));
    little_endian::append16(out, static_cast<std::uint16_t>(places.size()));  // max columns
    little_endian::append16(out, static_cast<std::uint16_t>(m_layout.variableCount()));
    little_endian::append16(out, static_cast<std::uint16_t>(places.size()));
    little_endian::append32(out, 0);  // logical indexes
    little_endian::append32(out, 0);  // index entries
    little_endian::append32(out, facts.usedPagesMap);
    little_endian::append32(out, facts.freePagesMap);

    for (const ColumnPlace& place : places) {
        std::string column(18, '\0');
        column[0] = static_cast<char>(jetTypeCode(place.type));
        little_endian::put16(column, 1, place.number);
        little_endian::put16(column, 3, place.varIndex);
        little_endian::put16(column, 5, place.number);
        if (isTextual(place.type)) {
            little_endian::put16(column, 9, jet3::kThaiSortOrder);
            little_endian::put16(column, 11, jet3::kThaiCodePage);
        }
        column[13] = static_cast<char>(kUpdatableColumn | (place.fixed ? kFixedColumn : 0));
        little_endian::put16(column, 14, place.fixedOffset);
        little_endian::put16(column, 16, declaredLength(place.type));
        out.append(column);
    }
    for (const Column& column : m_table.columns) {
        out.push_back(static_cast<char>(column.name.size()));
        out.append(column.name);
    }
    little_endian::append16(out, 0xFFFF);  // no per-column usage maps follow
    little_endian::put32(out, kPageHeader, static_cast<std::uint32_t>(out.size()));
    return out;
}

std::size_t TableDefinition::pageCount() const {
    const std::size_t length = bytes({}).size();
    if (length <= jet3::kPageSize) return 1;
    return 1 + (length - jet3::kPageSize + kContinuedPayload - 1) / kContinuedPayload;
}

std::vector<std::string> TableDefinition::pages(const std::vector<std::uint32_t>& pageNumbers,
                                                const TableFacts& facts) const {
    if (pageNumbers.size() != pageCount()) {
        throw std::logic_error("table definition given the wrong number of pages");
    }
    const std::string all = bytes(facts);
    std::vector<std::string> pages;
    std::size_t at = kPageHeader;
    for (std::size_t i = 0; i < pageNumbers.size(); ++i) {
        const std::uint32_t next = i + 1 < pageNumbers.size() ? pageNumbers[i + 1] : 0;
        std::string page = pageHeader(next);
        page.append(all, at, std::min(kContinuedPayload, all.size() - at));
        at += kContinuedPayload;
        page.resize(jet3::kPageSize, '\0');
        pages.push_back(std::move(page));
    }
    return pages;
}

}  // namespace kinmora::mkfamily
