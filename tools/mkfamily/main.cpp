// kinmora-mkfamily writes family tree CSV files into an Access database.
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "command_line.h"
#include "family_writer.h"
#include "option_parser.h"

namespace {

using kinmora::mkfamily::CommandLine;
using kinmora::mkfamily::TableCsv;

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error(path + ": cannot open: " + std::strerror(errno));
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) throw std::runtime_error(path + ": cannot read: " + std::strerror(errno));
    return std::move(text).str();
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const CommandLine line =
            CommandLine::parse(std::vector<std::string>(argv + 1, argv + argc));
        if (line.version) {
            std::cout << "kinmora-mkfamily " KINMORA_VERSION "\n";
            return 0;
        }
        if (line.help) {
            std::cout << CommandLine::usage();
            return 0;
        }
        std::vector<TableCsv> tables;
        for (const auto& table : line.tables) {
            tables.push_back({table.tableName, readFile(table.csvPath), table.csvPath});
        }
        kinmora::mkfamily::writeFamilyFile(tables, line.output, {line.format, line.password, {}});
        return 0;
    } catch (const kinmora::options::UsageError& e) {
        std::cerr << "kinmora-mkfamily: " << e.what() << '\n' << CommandLine::tryHelp();
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "kinmora-mkfamily: " << e.what() << '\n';
        return 1;
    }
}
