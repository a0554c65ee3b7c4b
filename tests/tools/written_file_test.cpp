// A written file is deterministic, and replaced only when a write succeeds. (What the
// viewer reads back through libmdb is checked by the data and chart tests.)
#include <gtest/gtest.h>

#include <QDir>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "family_writer.h"
#include "support/family_files.h"

using kinmora::mkfamily::TableCsv;
using kinmora::mkfamily::writeFamilyFile;

namespace {

using kinmora::testing::FamilyFiles;

std::string fileBytes(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(WrittenFile, SameInputGivesSameBytes) {
    FamilyFiles dir;
    const std::vector<TableCsv> tables{
        {"family", "code,name,biography\n1,ก," + std::string(5000, 'x') + "\n", "family.csv"},
        {"married", "husband,wife\n1,2\n", "married.csv"}};
    writeFamilyFile(tables, dir.path("a.mdb").toStdString());
    writeFamilyFile(tables, dir.path("b.mdb").toStdString());
    const std::string a = fileBytes(dir.path("a.mdb"));
    EXPECT_EQ(a.size() % 2048, 0u);
    EXPECT_TRUE(a == fileBytes(dir.path("b.mdb")));
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

TEST(WrittenFile, FailedWriteLeavesTheOldFileAlone) {
    FamilyFiles dir;
    const QString target = dir.path("family.mdb");
    writeFamilyFile({{"family", "code\n1\n", "family.csv"}}, target.toStdString());
    const std::string before = fileBytes(target);

    EXPECT_THROW(writeFamilyFile({{"family", "code\n1\n", "family.csv"},
                                  {"married", "husband:long\nnot a number\n", "married.csv"}},
                                 target.toStdString()),
                 std::runtime_error);
    EXPECT_TRUE(fileBytes(target) == before);
    EXPECT_EQ(QDir(dir.path(".")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 1);
}

}  // namespace
