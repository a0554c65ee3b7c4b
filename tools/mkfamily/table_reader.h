// TableReader turns one CSV file into a typed table, checking every cell on the way.
#pragma once

#include "family_writer.h"
#include "table_content.h"

namespace kinmora::mkfamily {

class TableReader {
public:
    // Throws InputError naming the source and line of the first fault.
    static TableContent read(const TableCsv& csv);
};

}  // namespace kinmora::mkfamily
