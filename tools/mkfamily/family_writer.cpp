// writeFamilyFile is the entry point that turns CSV tables into one Access family file.
#include "family_writer.h"

#include <chrono>
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
#include "text_encoder.h"

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

// Now as an Access day count: days since 1899-12-30, 25,569 days before the Unix epoch.
double now() {
    using namespace std::chrono;
    const double seconds = duration<double>(system_clock::now().time_since_epoch()).count();
    return seconds / 86400.0 + 25569.0;
}

}  // namespace

void writeFamilyFile(const std::vector<TableCsv>& tables, const std::filesystem::path& out,
                     const WriteOptions& options) {
    checkDistinctNames(tables);
    const JetFormat& format = JetFormat::of(options.format);
    std::string header;
    try {
        header = DatabaseHeader::page(format, options.password, options.created.value_or(now()));
    } catch (const std::invalid_argument& e) {
        throw std::runtime_error(out.string() + ": " + e.what());
    }

    PageFile file(out, format);
    file.append(header);
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
        TableContent table = TableReader::read(csv, options.format);
        catalog.addTable(table.name, writer.write(table));
    }
    TableContent catalogTable = catalog.build(TextEncoder(format));
    writer.write(catalogTable, catalogPage);
    usageMaps.finish();
    file.commit();
}

}  // namespace kinmora::mkfamily
