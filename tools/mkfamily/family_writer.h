// writeFamilyFile is the entry point that turns CSV tables into one Access 97 family file.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kinmora::mkfamily {

struct TableCsv {
    std::string tableName;   // e.g. "family"
    std::string csvText;     // whole CSV file, UTF-8
    std::string sourceName;  // shown in error messages, e.g. "family.csv"
};

// Parses every CSV and writes one Access 97 file holding these tables, in this order.
// The file at `out` is replaced only when the write succeeded (temp file + rename).
// Throws std::runtime_error naming the source, the line and what is wrong.
void writeFamilyFile(const std::vector<TableCsv>& tables, const std::filesystem::path& out);

}  // namespace kinmora::mkfamily
