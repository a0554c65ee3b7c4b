// ToolRunner runs a command line in the shell and captures what it prints, for checking
// written files with the mdbtools programs, the Node reader and kinmora-mkfamily itself.
#include "tool_runner.h"

#include <sys/wait.h>

#include <cstdio>
#include <stdexcept>

ToolResult ToolRunner::run(const std::string& command) {
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) throw std::runtime_error("cannot run: " + command);
    ToolResult result;
    char buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.output.append(buffer, n);
    const int status = ::pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::string ToolRunner::quote(const std::string& argument) {
    std::string quoted = "'";
    for (const char c : argument) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}
