// writeFamilyFile is the entry point that turns CSV tables into one Access family file.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "jet_format.h"

namespace kinmora::mkfamily {

struct TableCsv {
    std::string tableName;   // e.g. "family"
    std::string csvText;     // whole CSV file, UTF-8
    std::string sourceName;  // shown in error messages, e.g. "family.csv"
};

struct WriteOptions {
    FileFormat format = FileFormat::Access97;
    std::string password;  // UTF-8, at most 20 characters; empty for none
    // Access 2000 and 2007 keep the creation date (an Access day count) and mask the password
    // with it; the time of writing when not given.
    std::optional<double> created;
};

// Parses every CSV and writes one Access file holding these tables, in this order.
// The file at `out` is replaced only when the write succeeded (temp file + rename).
// Throws std::runtime_error naming the source, the line and what is wrong.
void writeFamilyFile(const std::vector<TableCsv>& tables, const std::filesystem::path& out,
                     const WriteOptions& options = {});

}  // namespace kinmora::mkfamily
