// CommandLine reads kinmora-mkfamily's arguments: the tables to write and the output file.
#include "command_line.h"

#include <stdexcept>

namespace kinmora::mkfamily {

namespace {

TableArgument tableArgument(const std::string& value) {
    const auto equals = value.find('=');
    if (equals == std::string::npos || equals == 0 || equals + 1 == value.size()) {
        throw std::invalid_argument("--table needs NAME=FILE.csv, not '" + value + "'");
    }
    return {value.substr(0, equals), value.substr(equals + 1)};
}

}  // namespace

std::string CommandLine::usage() {
    return "Usage: kinmora-mkfamily [--family FILE.csv] [--married FILE.csv]\n"
           "                        [--table NAME=FILE.csv]... -o OUT.mdb\n"
           "Writes the CSV tables, in the order given, into one Access 97 database.\n"
           "\n"
           "  --family FILE      same as --table family=FILE\n"
           "  --married FILE     same as --table married=FILE\n"
           "  --table NAME=FILE  a table named NAME from FILE (repeatable)\n"
           "  -o, --output FILE  the database to write; replaced only on success\n"
           "  --help             show this help\n"
           "  --version          show the program's version\n"
           "\n"
           "CSV: UTF-8, header row first. A header cell may name a type as name:TYPE,\n"
           "TYPE one of int, long, bool, date, text, memo, double; otherwise code,\n"
           "fathercode, mothercode are int, sex and still bool, born and die date,\n"
           "biography memo, name and surname text, and other columns are inferred.\n"
           "An empty cell is Null. Dates are YYYY-MM-DD or YYYY-MM-DD HH:MM:SS,\n"
           "Yes/No cells are 1 or 0. Text must fit code page 874 (Thai).\n";
}

CommandLine CommandLine::parse(const std::vector<std::string>& arguments) {
    CommandLine line;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string option = arguments[i];
        std::string value;
        bool hasValue = false;
        if (option.starts_with("--")) {
            if (const auto equals = option.find('='); equals != std::string::npos) {
                value = option.substr(equals + 1);
                option.resize(equals);
                hasValue = true;
            }
        }
        if (option == "--help" || option == "-h") {
            line.help = true;
            continue;
        }
        if (option == "--version") {
            line.version = true;
            continue;
        }
        if (option != "--family" && option != "--married" && option != "--table" &&
            option != "-o" && option != "--output") {
            throw std::invalid_argument("unknown argument '" + arguments[i] + "' (see --help)");
        }
        if (!hasValue) {
            if (i + 1 >= arguments.size()) {
                throw std::invalid_argument(option + " needs a value");
            }
            value = arguments[++i];
        }
        if (option == "--family") {
            line.tables.push_back({"family", value});
        } else if (option == "--married") {
            line.tables.push_back({"married", value});
        } else if (option == "--table") {
            line.tables.push_back(tableArgument(value));
        } else if (!line.output.empty()) {
            throw std::invalid_argument("the output file is given twice");
        } else {
            line.output = value;
        }
    }
    if (!line.help && !line.version && line.output.empty()) {
        throw std::invalid_argument("no output file; give -o OUT.mdb (see --help)");
    }
    return line;
}

}  // namespace kinmora::mkfamily
