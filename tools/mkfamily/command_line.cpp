// CommandLine reads kinmora-mkfamily's arguments: the tables to write, the output file, its
// format and password.
#include "command_line.h"

#include "data/family_columns.h"
#include "option_parser.h"

namespace kinmora::mkfamily {

namespace {

TableArgument tableArgument(const std::string& value) {
    const auto equals = value.find('=');
    if (equals == std::string::npos || equals == 0 || equals + 1 == value.size()) {
        throw options::UsageError("--table needs NAME=FILE.csv, not '" + value + "'");
    }
    return {value.substr(0, equals), value.substr(equals + 1)};
}

FileFormat fileFormat(const std::string& value) {
    if (value == "access97") return FileFormat::Access97;
    if (value == "access2000") return FileFormat::Access2000;
    if (value == "access2007") return FileFormat::Access2007;
    throw options::UsageError("--format is access97, access2000 or access2007, not '" + value +
                              "'");
}

options::OptionParser parser() {
    options::OptionParser p("kinmora-mkfamily",
                            "[--family FILE.csv] [--married FILE.csv] [--table NAME=FILE.csv]... "
                            "[--format FORMAT] [--password TEXT] -o OUT.mdb",
                            "Writes the CSV tables, in the order given, into one Access database.");
    p.add({"--family", 0, "FILE", "same as --table family=FILE"});
    p.add({"--married", 0, "FILE", "same as --table married=FILE"});
    p.add({"--table", 0, "NAME=FILE", "a table named NAME from FILE (repeatable)"});
    p.add({"--output", 'o', "FILE", "the database to write; replaced only on success"});
    p.add({"--format", 0, "FORMAT", "access97 (the default), access2000 or access2007 (.accdb)"});
    p.add({"--password", 0, "TEXT", "a database password, at most 20 characters"});
    p.setEpilogue(
        "CSV: UTF-8, header row first. A header cell may name a type as name:TYPE,\n"
        "TYPE one of byte, int, long, bool, date, text, memo, single, double,\n"
        "currency, ole (empty cells only); otherwise code, fathercode, mothercode\n"
        "are int, sex and still bool, born and die date, biography memo, name and\n"
        "surname text, and other columns are inferred.\n"
        "An empty cell is Null. Dates are YYYY-MM-DD or YYYY-MM-DD HH:MM:SS,\n"
        "Yes/No cells are 1 or 0. Access 97 text must fit code page 874 (Thai);\n"
        "Access 2000 and 2007 keep any Unicode text.\n");
    return p;
}

}  // namespace

std::string CommandLine::usage() {
    return parser().help();
}

std::string CommandLine::tryHelp() {
    return parser().tryHelp();
}

CommandLine CommandLine::parse(const std::vector<std::string>& arguments) {
    const options::Arguments args = parser().parse(arguments, 0);
    CommandLine line;
    line.help = args.help;
    line.version = args.version;
    int outputs = 0;
    for (const auto& [option, value] : args.options) {
        if (option == "--family") {
            line.tables.push_back({kinmora::family_table::kPersons, value});
        } else if (option == "--married") {
            line.tables.push_back({kinmora::family_table::kCouples, value});
        } else if (option == "--table") {
            line.tables.push_back(tableArgument(value));
        } else if (option == "--format") {
            line.format = fileFormat(value);
        } else if (option == "--password") {
            line.password = value;
        } else if (++outputs > 1) {
            throw options::UsageError("the output file is given twice");
        } else {
            line.output = value;
        }
    }
    if (!line.help && !line.version && line.output.empty()) {
        throw options::UsageError("no output file; give -o OUT.mdb");
    }
    return line;
}

}  // namespace kinmora::mkfamily
