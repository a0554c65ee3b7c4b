// writeFamilyFile is the entry point that turns CSV tables into one Access 97 family file.
#include "family_writer.h"

#include <set>
#include <stdexcept>

#include "access_name.h"
#include "catalog_builder.h"
#include "database_header.h"
#include "input_error.h"
#include "page_file.h"
#include "row_page_stream.h"
#include "table_reader.h"
#include "table_writer.h"

namespace kinmora::mkfamily {

namespace {

void checkDistinctNames(const std::vector<TableCsv>& tables) {
    std::set<std::string> seen;
    for (const TableCsv& table : tables) {
        if (!seen.insert(AccessName::foldCase(table.tableName)).second) {
            throw InputError(table.sourceName, 0,
                             "table '" + table.tableName + "' is given more than once");
        }
    }
}

}  // namespace

void writeFamilyFile(const std::vector<TableCsv>& tables, const std::filesystem::path& out) {
    checkDistinctNames(tables);

    PageFile file(out);
    file.append(DatabaseHeader::page());
    // Page 1 holds the usage map rows (more pages follow if there are many tables);
    // page 2 is where readers look for the catalog's definition.
    RowPageStream usageMaps(file, 0);
    usageMaps.openPage();
    const std::uint32_t catalogPage = file.reserve();
    if (catalogPage != CatalogBuilder::kCatalogPage) {
        throw std::logic_error("the catalog definition did not land on page 2");
    }

    TableWriter writer(file, usageMaps);
    CatalogBuilder catalog;
    for (const TableCsv& csv : tables) {
        // One table in memory at a time.
        TableContent table = TableReader::read(csv);
        catalog.addTable(table.name, writer.write(table));
    }
    TableContent catalogTable = catalog.build();
    writer.write(catalogTable, catalogPage);
    usageMaps.finish();
    file.commit();
}

}  // namespace kinmora::mkfamily
