// CatalogBuilder collects the tables written so far into the MSysObjects catalog table.
#include "catalog_builder.h"

namespace kinmora::mkfamily {

namespace {

constexpr std::int32_t kTableObject = 1;
// Readers treat either flag bit as "system object" and leave such tables out of listings.
constexpr std::int32_t kSystemObjectFlags = static_cast<std::int32_t>(0x80000002u);

std::vector<CellValue> entry(std::string name, std::uint32_t page, std::int32_t flags) {
    // Id, Name, Type, Flags, LvProp
    return {static_cast<std::int32_t>(page), std::move(name), kTableObject, flags,
            std::monostate{}};
}

}  // namespace

void CatalogBuilder::addTable(const std::string& name, std::uint32_t definitionPage) {
    m_entries.push_back({name, definitionPage});
}

TableContent CatalogBuilder::build(const TextEncoder& text) const {
    TableContent catalog;
    catalog.name = "MSysObjects";
    catalog.sourceName = "MSysObjects";
    catalog.system = true;
    // The columns readers look up by name; LvProp (design properties) stays Null.
    catalog.columns = {{"Id", ColumnType::LongInteger},
                       {"Name", ColumnType::Text},
                       {"Type", ColumnType::Integer},
                       {"Flags", ColumnType::LongInteger},
                       {"LvProp", ColumnType::LongBinary}};
    catalog.rows.push_back(entry(text.value(catalog.name), kCatalogPage, kSystemObjectFlags));
    for (const Entry& table : m_entries)
        catalog.rows.push_back(entry(text.value(table.name), table.definitionPage, 0));
    catalog.rowLines.assign(catalog.rows.size(), 0);
    return catalog;
}

}  // namespace kinmora::mkfamily
