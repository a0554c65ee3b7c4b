// Tests of kinmora-mkfamily's command line: argument parsing, the program's exit codes
// and one-line error messages, and a written file that is deterministic and replaced
// only when a write succeeds. The order of the written tables is round_trip_test's.
#include "command_line.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "family_writer.h"
#include "option_parser.h"
#include "support/family_files.h"
#include "support/process_runner.h"

using kinmora::mkfamily::CommandLine;
using kinmora::mkfamily::TableCsv;
using kinmora::mkfamily::writeFamilyFile;

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

using Rejection = std::pair<std::vector<std::string>, std::string>;
class RejectArguments : public testing::TestWithParam<Rejection> {};

TEST_P(RejectArguments, SaysWhatIsWrong) {
    try {
        CommandLine::parse(GetParam().first);
        FAIL() << "accepted";
    } catch (const kinmora::options::UsageError& e) {
        EXPECT_EQ(std::string(e.what()), GetParam().second);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RejectArguments,
    testing::Values(
        Rejection{{"--family", "f.csv"}, "no output file; give -o OUT.mdb"},
        Rejection{{"--family", "f.csv", "-o"}, "option '--output' needs a value (FILE)"},
        Rejection{{"--table", "f.csv", "-o", "x"}, "--table needs NAME=FILE.csv, not 'f.csv'"},
        Rejection{{"--table", "=f.csv", "-o", "x"}, "--table needs NAME=FILE.csv, not '=f.csv'"},
        Rejection{{"-o", "a", "--output", "b"}, "the output file is given twice"},
        Rejection{{"-o", "a", "--colour"}, "unknown option '--colour'"},
        Rejection{{"-o", "a", "--family=x", "--help=no"}, "option '--help' takes no value"},
        Rejection{{"-o", "a", "f.csv"}, "unexpected argument 'f.csv'"}));

// The program run in a scratch folder holding family.csv, with code 70000 on line 3.
struct RunCase {
    std::string arguments;
    int exitCode;
    std::string error;  // all of standard error
};

class Program : public testing::TestWithParam<RunCase> {};

TEST_P(Program, ExitsWithOneLineAndWritesNothingOnError) {
    kinmora::testing::FamilyFiles dir;
    dir.writeFile("family.csv", "code,name\n1,a\n70000,b\n");
    const auto run = kinmora::testing::runProcess(
        KINMORA_MKFAMILY_EXE, QString::fromStdString(GetParam().arguments).split(' '),
        {dir.path("."), {}});
    EXPECT_EQ(run.status, GetParam().exitCode);
    EXPECT_EQ(run.err.toStdString(), GetParam().error);
    if (GetParam().exitCode != 0) {
        EXPECT_FALSE(QFile::exists(dir.path("out.mdb")));
    } else {  // --help
        EXPECT_TRUE(run.out.startsWith("Usage: kinmora-mkfamily")) << run.out.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Program,
    testing::Values(RunCase{"--family family.csv -o out.mdb", 1,
                            "kinmora-mkfamily: family.csv:3: column 'code': '70000' is out of "
                            "range for Integer (-32768 to 32767)\n"},
                    RunCase{"--family nowhere.csv -o out.mdb", 1,
                            "kinmora-mkfamily: nowhere.csv: cannot open: No such file or "
                            "directory\n"},
                    RunCase{"--family", 1,
                            "kinmora-mkfamily: option '--family' needs a value (FILE)\n"
                            "Try 'kinmora-mkfamily --help' for more information.\n"},
                    RunCase{"--help", 0, ""}));

using kinmora::testing::FamilyFiles;

std::string fileBytes(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(WrittenFile, RejectsATableGivenTwice) {
    FamilyFiles dir;
    try {
        writeFamilyFile({{"family", "code\n1\n", "family.csv"}, {"Family", "code\n", "other.csv"}},
                        dir.path("x.mdb").toStdString());
        FAIL() << "accepted";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "other.csv: table 'Family' is given more than once");
    }
}

// The same input gives the same bytes, whole pages; a failed write leaves
// the file written before as it was, with nothing beside it.
TEST(WrittenFile, SameInputGivesSameBytesAndAFailedWriteLeavesTheOldFileAlone) {
    FamilyFiles dir;
    const QString target = dir.path("family.mdb");
    const std::vector<TableCsv> tables{
        {"family", "code,name,biography\n1,ก," + std::string(5000, 'x') + "\n", "family.csv"},
        {"married", "husband,wife\n1,2\n", "married.csv"}};
    writeFamilyFile(tables, dir.path("other.mdb").toStdString());
    writeFamilyFile(tables, target.toStdString());
    const std::string before = fileBytes(target);
    EXPECT_EQ(before.size() % 2048, 0u);
    EXPECT_TRUE(before == fileBytes(dir.path("other.mdb")));
    EXPECT_THROW(writeFamilyFile({{"family", "code\n1\n", "family.csv"},
                                  {"married", "husband:long\nnot a number\n", "married.csv"}},
                                 target.toStdString()),
                 std::runtime_error);
    EXPECT_TRUE(fileBytes(target) == before);
    EXPECT_EQ(QDir(dir.path(".")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 2);
}

}  // namespace
