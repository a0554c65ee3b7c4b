// MdbReaderCheck runs tests/reader/read-mdb.mjs, which reads a file through the npm
// mdb-reader package (no libmdb) and compares its tables with the CSV they came from.
#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "tool_runner.h"

class MdbReaderCheck {
public:
    // Tables as (name, expected CSV path); the file must hold exactly these user tables,
    // in this order, when `allTables` is set. A missing node_modules fails with a note on
    // how to install it.
    static ToolResult run(const std::filesystem::path& mdb,
                          const std::vector<std::pair<std::string, std::filesystem::path>>& tables,
                          bool allTables = true);
};
