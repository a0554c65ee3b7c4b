// ToolRunner runs a command line in the shell and captures what it prints, for checking
// written files with the mdbtools programs, the Node reader and kinmora-mkfamily itself.
#pragma once

#include <string>

struct ToolResult {
    int exitCode = -1;
    std::string output;  // standard output only, unless the command redirects stderr
};

class ToolRunner {
public:
    static ToolResult run(const std::string& command);
    // The argument single-quoted for the shell.
    static std::string quote(const std::string& argument);
};
