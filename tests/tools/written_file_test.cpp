// A written file is deterministic, and replaced only when a write succeeds. (What the
// viewer reads back through libmdb is checked by the data and chart tests.)
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "family_writer.h"
#include "tool_support.h"

using kinmora::mkfamily::TableCsv;
using kinmora::mkfamily::writeFamilyFile;

namespace {

std::string fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(WrittenFile, SameInputGivesSameBytes) {
    ScratchDir dir;
    const std::vector<TableCsv> tables{
        {"family", "code,name,biography\n1,ก," + std::string(5000, 'x') + "\n", "family.csv"},
        {"married", "husband,wife\n1,2\n", "married.csv"}};
    writeFamilyFile(tables, dir.file("a.mdb"));
    writeFamilyFile(tables, dir.file("b.mdb"));
    const std::string a = fileBytes(dir.file("a.mdb"));
    EXPECT_EQ(a.size() % 2048, 0u);
    EXPECT_TRUE(a == fileBytes(dir.file("b.mdb")));
}

TEST(WrittenFile, RejectsATableGivenTwice) {
    ScratchDir dir;
    try {
        writeFamilyFile({{"family", "code\n1\n", "family.csv"}, {"Family", "code\n", "other.csv"}},
                        dir.file("x.mdb"));
        FAIL() << "accepted";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "other.csv: table 'Family' is given more than once");
    }
}

TEST(WrittenFile, FailedWriteLeavesTheOldFileAlone) {
    ScratchDir dir;
    const auto target = dir.file("family.mdb");
    writeFamilyFile({{"family", "code\n1\n", "family.csv"}}, target);
    const std::string before = fileBytes(target);

    EXPECT_THROW(writeFamilyFile({{"family", "code\n1\n", "family.csv"},
                                  {"married", "husband:long\nnot a number\n", "married.csv"}},
                                 target),
                 std::runtime_error);
    EXPECT_TRUE(fileBytes(target) == before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
}

}  // namespace
