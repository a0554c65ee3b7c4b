// TableWriter writes one table into the file: long values, definition, data pages, usage maps.
#pragma once

#include <cstdint>
#include <optional>

#include "page_file.h"
#include "row_page_stream.h"
#include "table_content.h"
#include "text_encoder.h"

namespace kinmora::mkfamily {

class TableWriter {
public:
    // Usage map rows go to `usageMaps`, shared by all tables of the file.
    TableWriter(PageFile& file, RowPageStream& usageMaps);

    // Returns the table's definition page, the number the catalog records. The memo values
    // are released as they are written. `definitionPage`, if given, is a page reserved
    // earlier for a definition that fits on one page (the catalog's).
    std::uint32_t write(TableContent& table, std::optional<std::uint32_t> definitionPage = {});

private:
    PageFile& m_file;
    RowPageStream& m_usageMaps;
    const TextEncoder m_text;
};

}  // namespace kinmora::mkfamily
