// MdbReaderCheck runs tests/reader/read-mdb.mjs, which reads a file through the npm
// mdb-reader package (no libmdb) and compares its tables with the CSV they came from.
#include "mdb_reader_check.h"

ToolResult MdbReaderCheck::run(
    const std::filesystem::path& mdb,
    const std::vector<std::pair<std::string, std::filesystem::path>>& tables, bool allTables) {
    const std::string readerDir = KINMORA_READER_DIR;
    if (!std::filesystem::exists(readerDir + "/node_modules/mdb-reader")) {
        return {1, readerDir + "/node_modules is missing: run npm ci --prefix tests/reader"};
    }
    std::string command = "node " + ToolRunner::quote(readerDir + "/read-mdb.mjs") + " " +
                          ToolRunner::quote(mdb.string());
    std::string names;
    for (const auto& [name, csv] : tables) {
        names += (names.empty() ? "" : ",") + name;
        command += " --expect " + ToolRunner::quote(name + "=" + csv.string());
    }
    if (allTables) command += " --tables " + ToolRunner::quote(names);
    return ToolRunner::run(command + " 2>&1");
}
