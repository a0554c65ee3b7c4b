// Tests of kinmora-mkfamily's command line: argument parsing, the program's exit codes
// and one-line error messages, and a written file that is deterministic and replaced
// only when a write succeeds. The order of the written tables is round_trip_test's.
#include "command_line.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "family_writer.h"
#include "option_parser.h"
#include "support/family_files.h"
#include "support/process_runner.h"

using kinmora::mkfamily::CommandLine;
using kinmora::mkfamily::TableCsv;
using kinmora::mkfamily::writeFamilyFile;

namespace {

using Arguments = std::vector<std::string>;

// Tables in order, the output, the format (Access 97 by default) and the password (none).
TEST(ParseArguments, ListsTablesInOrderThenTheOutputFormatAndPassword) {
    const std::pair<Arguments, std::string> cases[] = {
        {{"--table", "people=p.csv", "--family", "f.csv", "--output=o.mdb"},
         "people=p.csv family=f.csv o.mdb access97 "},
        {{"-o", "x.mdb", "--married", "m.csv", "--table=a=b=c.csv"},
         "married=m.csv a=b=c.csv x.mdb access97 "},
        {{"-o", "only-catalog.mdb"}, "only-catalog.mdb access97 "},
        {{"-o", "x.mdb", "--format", "access2000", "--password", "ลับ"}, "x.mdb access2000 ลับ"},
        {{"--format=access2007", "--password=", "-o", "x.accdb"}, "x.accdb access2007 "},
        {{"--format=access2007", "--format=access97", "-o", "x.mdb"}, "x.mdb access97 "}};
    for (const auto& [arguments, expected] : cases) {
        const auto line = CommandLine::parse(arguments);
        std::string parsed;
        for (const auto& table : line.tables) parsed += table.tableName + "=" + table.csvPath + " ";
        EXPECT_EQ(parsed + line.output + " " + kinmora::testing::formatName(line.format) + " " +
                      line.password,
                  expected);
    }
}

TEST(ParseArguments, RejectsSayingWhatIsWrong) {
    const std::pair<Arguments, std::string> cases[] = {
        {{"--family", "f.csv"}, "no output file; give -o OUT.mdb"},
        {{"--family", "f.csv", "-o"}, "option '--output' needs a value (FILE)"},
        {{"--table", "f.csv", "-o", "x"}, "--table needs NAME=FILE.csv, not 'f.csv'"},
        {{"-o", "a", "--output", "b"}, "the output file is given twice"},
        {{"-o", "a", "--colour"}, "unknown option '--colour'"},
        {{"-o", "a", "--family=x", "--help=no"}, "option '--help' takes no value"},
        {{"-o", "a", "f.csv"}, "unexpected argument 'f.csv'"},
        {{"-o", "a", "--format", "access95"},
         "--format is access97, access2000 or access2007, not 'access95'"},
        {{"-o", "a", "--password"}, "option '--password' needs a value (TEXT)"}};
    for (const auto& [arguments, message] : cases) {
        try {
            CommandLine::parse(arguments);
            ADD_FAILURE() << "accepted: " << message;
        } catch (const kinmora::options::UsageError& e) {
            EXPECT_EQ(std::string(e.what()), message);
        }
    }
}

// The program run in a scratch folder holding family.csv, with code 70000 on line 3:
// its exit code, all of standard error, and no file written on an error; help on
// standard output.
TEST(Program, ExitsWithOneLineAndWritesNothingOnError) {
    kinmora::testing::FamilyFiles dir;
    dir.writeFile("family.csv", "code,name\n1,a\n70000,b\n");
    const std::tuple<QString, int, QString> cases[] = {
        {"--family family.csv -o out.mdb", 1,
         "kinmora-mkfamily: family.csv:3: column 'code': '70000' is out of range for Integer "
         "(-32768 to 32767)\n"},
        {"--family family.csv --password 123456789012345678901 -o out.mdb", 1,
         "kinmora-mkfamily: out.mdb: the password has more than the 20 characters Access "
         "allows\n"},
        {"--family nowhere.csv -o out.mdb", 1,
         "kinmora-mkfamily: nowhere.csv: cannot open: No such file or directory\n"},
        {"--family", 1,
         "kinmora-mkfamily: option '--family' needs a value (FILE)\n"
         "Try 'kinmora-mkfamily --help' for more information.\n"}};
    for (const auto& [arguments, status, error] : cases) {
        const auto run = kinmora::testing::runProcess(KINMORA_MKFAMILY_EXE, arguments.split(' '),
                                                      {dir.path("."), {}});
        EXPECT_EQ(run.status, status) << arguments.toStdString();
        EXPECT_EQ(run.err, error);
        EXPECT_FALSE(QFile::exists(dir.path("out.mdb")));
    }
    const auto help = kinmora::testing::runProcess(KINMORA_MKFAMILY_EXE, {"--help"});
    EXPECT_TRUE(help.status == 0 && help.out.startsWith("Usage: kinmora-mkfamily"));
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The same input gives the same bytes, whole pages; a failed write leaves
// the file written before as it was, with nothing beside it.
TEST(WrittenFile, SameInputGivesSameBytesAndAFailedWriteLeavesTheOldFileAlone) {
    kinmora::testing::FamilyFiles dir;
    const QString target = dir.path("family.mdb");
    const std::vector<TableCsv> tables{
        {"family", "code,name,biography\n1,ก," + std::string(5000, 'x') + "\n", "family.csv"},
        {"married", "husband,wife\n1,2\n", "married.csv"}};
    writeFamilyFile(tables, dir.path("other.mdb").toStdString());
    writeFamilyFile(tables, target.toStdString());
    const QByteArray before = fileBytes(target);
    EXPECT_TRUE(!before.isEmpty() && before.size() % 2048 == 0) << before.size();
    EXPECT_TRUE(before == fileBytes(dir.path("other.mdb")));
    for (const TableCsv& second : {TableCsv{"married", "husband:long\nnot a number\n", "m.csv"},
                                   TableCsv{"Family", "code\n", "other.csv"}}) {
        try {
            writeFamilyFile({{"family", "code\n1\n", "family.csv"}, second}, target.toStdString());
            ADD_FAILURE() << "accepted " << second.sourceName;
        } catch (const std::runtime_error& e) {
            EXPECT_TRUE(std::string(e.what()).starts_with(second.sourceName)) << e.what();
        }
    }
    EXPECT_TRUE(fileBytes(target) == before);
    EXPECT_EQ(QDir(dir.path(".")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 2);
}

}  // namespace
