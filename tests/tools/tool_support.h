// What the writer's tests share: a scratch folder, a command line run in the
// shell, and a written file read back through tests/reader/read-mdb.mjs (the npm
// mdb-reader, which does not use libmdb).
#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

struct ToolResult {
    int exitCode = -1;
    std::string output;  // standard output only, unless the command redirects stderr
};

// Runs `command` in the shell and captures what it prints.
ToolResult runTool(const std::string& command);
// `argument` single-quoted for the shell.
std::string quote(const std::string& argument);
// `text` as one quoted CSV cell.
std::string csvQuoted(const std::string& text);

// A fresh temporary folder for one test, removed with everything in it.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path file(const std::string& name) const { return path_ / name; }
    // Writes `content` to a file in the folder and returns its path.
    std::filesystem::path write(const std::string& name, const std::string& content) const;

private:
    std::filesystem::path path_;
};

// Reads `mdb` with mdb-reader, which must find exactly these user tables, in this
// order, each equal to its CSV file. A missing node_modules fails with a note on
// how to install it.
ToolResult checkWithMdbReader(
    const std::filesystem::path& mdb,
    const std::vector<std::pair<std::string, std::filesystem::path>>& tables);
