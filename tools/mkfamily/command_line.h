// CommandLine reads kinmora-mkfamily's arguments: the tables to write and the output file.
#pragma once

#include <string>
#include <vector>

namespace kinmora::mkfamily {

struct TableArgument {
    std::string tableName;
    std::string csvPath;
};

class CommandLine {
public:
    // Throws options::UsageError saying what is wrong with the arguments.
    static CommandLine parse(const std::vector<std::string>& arguments);
    // The --help text, and the line that points to it after a mistake.
    static std::string usage();
    static std::string tryHelp();

    bool help = false;
    bool version = false;
    std::vector<TableArgument> tables;  // in the order given
    std::string output;
};

}  // namespace kinmora::mkfamily
