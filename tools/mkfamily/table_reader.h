// TableReader turns one CSV file into a typed table, checking every cell on the way.
#pragma once

#include "family_writer.h"
#include "jet_format.h"
#include "table_content.h"

namespace kinmora::mkfamily {

class TableReader {
public:
    // Text and Memo values come out as `format` stores them. Throws InputError naming the
    // source and line of the first fault.
    static TableContent read(const TableCsv& csv, FileFormat format = FileFormat::Access97);
};

}  // namespace kinmora::mkfamily
