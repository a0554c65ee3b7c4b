// TableDefinition writes a table's definition pages: row count, columns, names and the
// pointers to its usage maps, in the layout of the file's format.
#include "table_definition.h"

#include <algorithm>
#include <stdexcept>

#include "jet_format.h"
#include "little_endian.h"

namespace kinmora::mkfamily {

namespace {

constexpr std::size_t kPageHeader = 8;  // type, flag, "VC" (Jet 4: free space), next page
constexpr std::uint8_t kUserTable = 0x4E;
constexpr std::uint8_t kSystemTable = 0x53;
constexpr std::uint8_t kFixedColumn = 0x01;
constexpr std::uint8_t kUpdatableColumn = 0x02;
constexpr std::uint8_t kCompressedUnicode = 0x01;  // Jet 4 column flag of Text and Memo

std::string pageHeader(const JetFormat& format, std::size_t used, std::uint32_t nextPage) {
    std::string header{static_cast<char>(jet::kTableDefinitionPage), 0x01, 'V', 'C'};
    if (format.unicode) {
        // Jet 4 keeps the page's free space less 8 where Jet 3 has "VC".
        const std::size_t free = format.pageSize - std::min(format.pageSize, used + 8);
        little_endian::put16(header, 2, static_cast<std::uint16_t>(free));
    }
    little_endian::append32(header, nextPage);
    return header;
}

}  // namespace

TableDefinition::TableDefinition(const TableContent& table, const ColumnLayout& layout,
                                 const TextEncoder& text)
    : m_table(table), m_layout(layout), m_text(text), m_format(text.format()) {}

// Jet 3: 18 bytes a column; Jet 4: 25, with four unknown bytes after the type, the sort
// order's version and a flag byte (compressed text) added, no code page.
std::string TableDefinition::columnEntry(const ColumnPlace& place) const {
    const std::size_t shift = m_format.unicode ? 4 : 0;
    std::string column(m_format.unicode ? 25 : 18, '\0');
    column[0] = static_cast<char>(jetTypeCode(place.type));
    little_endian::put16(column, 1 + shift, place.number);
    little_endian::put16(column, 3 + shift, place.varIndex);
    little_endian::put16(column, 5 + shift, place.number);
    if (isTextual(place.type)) {
        little_endian::put16(column, m_format.unicode ? 11 : 9, jet::kThaiSortOrder);
        if (m_format.unicode) {
            column[16] = static_cast<char>(kCompressedUnicode);
        } else {
            little_endian::put16(column, 11, jet::kThaiCodePage);
        }
    }
    const std::size_t flags = m_format.unicode ? 15 : 13;
    column[flags] = static_cast<char>(kUpdatableColumn | (place.fixed ? kFixedColumn : 0));
    const std::size_t tail = column.size() - 4;
    little_endian::put16(column, tail, place.fixedOffset);
    std::uint16_t length = declaredLength(place.type);
    // Jet 4 declares a Text column's length in bytes of UCS-2.
    if (m_format.unicode && place.type == ColumnType::Text) length *= 2;
    little_endian::put16(column, tail + 2, length);
    return column;
}

std::string TableDefinition::bytes(const TableFacts& facts) const {
    const auto& places = m_layout.places();
    std::string out(kPageHeader, '\0');                     // filled per page
    little_endian::append32(out, 0);                        // total length, set below
    if (m_format.unicode) little_endian::append32(out, 0);  // unknown
    little_endian::append32(out, facts.rowCount);           // at 12 (Jet 4: 16)
    little_endian::append32(out, 0);                        // next autonumber: none
    // Jet 4: autonumber flag and 3 unknown bytes, complex column autonumber, 8 unknown bytes.
    if (m_format.unicode) out.append(16, '\0');
    out.push_back(static_cast<char>(m_table.system ? kSystemTable : kUserTable));
    little_endian::append16(out, static_cast<std::uint16_t>(places.size()));  // max columns
    little_endian::append16(out, static_cast<std::uint16_t>(m_layout.variableCount()));
    little_endian::append16(out, static_cast<std::uint16_t>(places.size()));
    little_endian::append32(out, 0);  // logical indexes
    little_endian::append32(out, 0);  // index entries
    little_endian::append32(out, facts.usedPagesMap);
    little_endian::append32(out, facts.freePagesMap);

    for (const ColumnPlace& place : places) out.append(columnEntry(place));
    for (const Column& column : m_table.columns) {
        // Jet 4: a two-byte length in bytes, then the name in UCS-2.
        const std::string name = m_text.plain(column.name);
        if (m_format.unicode) {
            little_endian::append16(out, static_cast<std::uint16_t>(name.size()));
        } else {
            out.push_back(static_cast<char>(name.size()));
        }
        out.append(name);
    }
    little_endian::append16(out, 0xFFFF);  // no per-column usage maps follow
    little_endian::put32(out, kPageHeader, static_cast<std::uint32_t>(out.size()));
    return out;
}

std::size_t TableDefinition::pageCount() const {
    const std::size_t payload = m_format.pageSize - kPageHeader;
    const std::size_t length = bytes({}).size();
    if (length <= m_format.pageSize) return 1;
    return 1 + (length - m_format.pageSize + payload - 1) / payload;
}

std::vector<std::string> TableDefinition::pages(const std::vector<std::uint32_t>& pageNumbers,
                                                const TableFacts& facts) const {
    if (pageNumbers.size() != pageCount()) {
        throw std::logic_error("table definition given the wrong number of pages");
    }
    const std::size_t payload = m_format.pageSize - kPageHeader;
    const std::string all = bytes(facts);
    std::vector<std::string> pages;
    std::size_t at = kPageHeader;
    for (std::size_t i = 0; i < pageNumbers.size(); ++i) {
        const std::uint32_t next = i + 1 < pageNumbers.size() ? pageNumbers[i + 1] : 0;
        const std::size_t size = std::min(payload, all.size() - at);
        std::string page = pageHeader(m_format, kPageHeader + size, next);
        page.append(all, at, size);
        at += payload;
        page.resize(m_format.pageSize, '\0');
        pages.push_back(std::move(page));
    }
    return pages;
}

}  // namespace kinmora::mkfamily
