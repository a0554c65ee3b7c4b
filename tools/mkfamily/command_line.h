// CommandLine reads kinmora-mkfamily's arguments: the tables to write, the output file, its
// format and password.
#pragma once

#include <string>
#include <vector>

#include "jet_format.h"

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
    FileFormat format = FileFormat::Access97;
    std::string password;  // empty for none
};

}  // namespace kinmora::mkfamily
