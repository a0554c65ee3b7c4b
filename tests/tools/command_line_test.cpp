// Tests of kinmora-mkfamily's command line: argument parsing, and the program's exit codes
// and one-line error messages.
#include "command_line.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "scratch_dir.h"
#include "tool_runner.h"

using kinmora::mkfamily::CommandLine;

namespace {

struct ParseCase {
    std::vector<std::string> arguments;
    std::vector<std::string> tables;  // "name=path", in order
    std::string output;
};

class ParseArguments : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseArguments, ListsTablesInOrder) {
    const auto line = CommandLine::parse(GetParam().arguments);
    std::vector<std::string> tables;
    for (const auto& table : line.tables) tables.push_back(table.tableName + "=" + table.csvPath);
    EXPECT_EQ(tables, GetParam().tables);
    EXPECT_EQ(line.output, GetParam().output);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseArguments,
    testing::Values(ParseCase{{"--family", "f.csv", "--married", "m.csv", "-o", "out.mdb"},
                              {"family=f.csv", "married=m.csv"},
                              "out.mdb"},
                    ParseCase{{"--table", "people=p.csv", "--family=f.csv", "--output=o.mdb"},
                              {"people=p.csv", "family=f.csv"},
                              "o.mdb"},
                    ParseCase{{"-o", "x.mdb", "--married", "m.csv", "--table=a=b=c.csv"},
                              {"married=m.csv", "a=b=c.csv"},
                              "x.mdb"},
                    ParseCase{{"-o", "only-catalog.mdb"}, {}, "only-catalog.mdb"}));

class RejectArguments
    : public testing::TestWithParam<std::pair<std::vector<std::string>, std::string>> {};

TEST_P(RejectArguments, SaysWhatIsWrong) {
    try {
        CommandLine::parse(GetParam().first);
        FAIL() << "accepted";
    } catch (const std::invalid_argument& e) {
        EXPECT_EQ(std::string(e.what()), GetParam().second);
    }
}

using Rejection = std::pair<std::vector<std::string>, std::string>;
INSTANTIATE_TEST_SUITE_P(
    Cases, RejectArguments,
    testing::Values(
        Rejection{{"--family", "f.csv"}, "no output file; give -o OUT.mdb (see --help)"},
        Rejection{{"--family", "f.csv", "-o"}, "-o needs a value"},
        Rejection{{"--table", "f.csv", "-o", "x"}, "--table needs NAME=FILE.csv, not 'f.csv'"},
        Rejection{{"--table", "=f.csv", "-o", "x"}, "--table needs NAME=FILE.csv, not '=f.csv'"},
        Rejection{{"-o", "a", "--output", "b"}, "the output file is given twice"},
        Rejection{{"-o", "a", "--colour"}, "unknown argument '--colour' (see --help)"},
        Rejection{{"-o", "a", "f.csv"}, "unknown argument 'f.csv' (see --help)"}));

class Program : public testing::Test {
protected:
    // Runs kinmora-mkfamily in the scratch directory; stdout and stderr kept apart.
    ToolResult run(const std::string& arguments) {
        const auto result = ToolRunner::run("cd " + ToolRunner::quote(dir_.path()) + " && " +
                                            ToolRunner::quote(KINMORA_MKFAMILY_EXE) + " " +
                                            arguments + " 2>stderr.txt");
        stderr_ = ToolRunner::run("cat " + ToolRunner::quote(dir_.file("stderr.txt"))).output;
        return result;
    }

    ScratchDir dir_;
    std::string stderr_;
};

TEST_F(Program, WritesTablesInTheOrderGiven) {
    dir_.write("f.csv", "code,name\n1,สมชาย\n");
    dir_.write("m.csv", "husband,wife\n1,2\n");
    dir_.write("extra.csv", "note\nx\n");
    const auto result = run("--table extra=extra.csv --married m.csv --family f.csv -o out.mdb");
    EXPECT_EQ(result.exitCode, 0) << stderr_;
    EXPECT_EQ(stderr_, "");
    EXPECT_EQ(ToolRunner::run("mdb-tables -1 " + ToolRunner::quote(dir_.file("out.mdb"))).output,
              "extra\nmarried\nfamily\n");
}

TEST_F(Program, BadCsvGivesOneLineAndNoFile) {
    dir_.write("family.csv", "code,name\n1,a\n70000,b\n");
    const auto result = run("--family family.csv -o out.mdb");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(stderr_,
              "kinmora-mkfamily: family.csv:3: column 'code': '70000' is out of range for "
              "Integer (-32768 to 32767)\n");
    EXPECT_FALSE(std::filesystem::exists(dir_.file("out.mdb")));
}

TEST_F(Program, MissingCsvGivesOneLine) {
    const auto result = run("--family nowhere.csv -o out.mdb");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(stderr_, "kinmora-mkfamily: nowhere.csv: cannot open: No such file or directory\n");
}

TEST_F(Program, BadArgumentsGiveOneLine) {
    const auto result = run("--family");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(stderr_, "kinmora-mkfamily: --family needs a value\n");
}

TEST_F(Program, HelpExplainsUsage) {
    const auto result = run("--help");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.output.rfind("Usage: kinmora-mkfamily", 0), 0u) << result.output;
}

}  // namespace
