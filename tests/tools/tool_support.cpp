// popen runs the command; mkdtemp makes the scratch folder.
#include "tool_support.h"

#include <stdlib.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <system_error>

ToolResult runTool(const std::string& command) {
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) throw std::runtime_error("cannot run: " + command);
    ToolResult result;
    char buffer[65536];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        result.output.append(buffer, n);
    const int status = ::pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::string quote(const std::string& argument) {
    std::string quoted = "'";
    for (const char c : argument) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string csvQuoted(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

ScratchDir::ScratchDir() {
    std::string pattern = std::filesystem::temp_directory_path() / "kinmora-mkfamily-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a scratch directory from " + pattern);
    path_ = pattern;
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path ScratchDir::write(const std::string& name, const std::string& content) const {
    const auto target = file(name);
    std::ofstream out(target, std::ios::binary);
    out << content;
    if (!out) throw std::runtime_error("cannot write " + target.string());
    return target;
}

ToolResult checkWithMdbReader(
    const std::filesystem::path& mdb,
    const std::vector<std::pair<std::string, std::filesystem::path>>& tables) {
    const std::string readerDir = KINMORA_READER_DIR;
    if (!std::filesystem::exists(readerDir + "/node_modules/mdb-reader"))
        return {1, readerDir + "/node_modules is missing: run npm ci --prefix tests/reader"};
    std::string command = "node " + quote(readerDir + "/read-mdb.mjs") + " " + quote(mdb);
    std::string names;
    for (const auto& [name, csv] : tables) {
        names += (names.empty() ? "" : ",") + name;
        command += " --expect " + quote(name + "=" + csv.string());
    }
    return runTool(command + " --tables " + quote(names) + " 2>&1");
}
