// Reads written files through libmdb in-process, as the viewer does, for what mdbtools'
// programs cannot show: whole memos over 1 MB, the stored day counts of dates libmdb cannot
// print (before 1899-12-30, after 4637-11-25), catalog flags and row counts. Also checks
// that the file is deterministic and replaced only when a write succeeds.
#include <gtest/gtest.h>
#include <mdbtools.h>

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

constexpr std::size_t kBindSize = 4 << 20;  // a 1 MB Thai memo is 3 MB of UTF-8

// One table opened through libmdb, its values bound the way the viewer binds them.
class LibmdbTable {
public:
    LibmdbTable(const std::filesystem::path& file, const std::string& name) {
        mdb_ = mdb_open(file.c_str(), MDB_NOFLAGS);
        if (mdb_ == nullptr) throw std::runtime_error("libmdb cannot open " + file.string());
        mdb_set_bind_size(mdb_, kBindSize);
        std::string tableName = name;
        table_ = mdb_read_table_by_name(mdb_, tableName.data(), MDB_TABLE);
        if (table_ == nullptr) throw std::runtime_error("libmdb finds no table " + name);
        mdb_read_columns(table_);
        mdb_rewind_table(table_);
        values_.assign(table_->num_cols, std::vector<char>(kBindSize));
        lengths_.assign(table_->num_cols, 0);
        for (unsigned c = 0; c < table_->num_cols; ++c) {
            mdb_bind_column(table_, static_cast<int>(c + 1), values_[c].data(), &lengths_[c]);
        }
    }
    ~LibmdbTable() {
        if (table_ != nullptr) mdb_free_tabledef(table_);
        mdb_close(mdb_);
    }

    unsigned rowCountInDefinition() const { return table_->num_rows; }
    bool next() { return mdb_fetch_row(table_) != 0; }
    std::string text(unsigned column) const {
        return std::string(values_[column].data(), static_cast<std::size_t>(lengths_[column]));
    }
    // The stored day count, read from the row itself: libmdb prints no date before 1899-12-30.
    double storedDouble(unsigned column) const {
        const auto* col = static_cast<MdbColumn*>(g_ptr_array_index(table_->columns, column));
        return mdb_get_double(mdb_->pg_buf, col->cur_value_start);
    }

private:
    MdbHandle* mdb_ = nullptr;
    MdbTableDef* table_ = nullptr;
    std::vector<std::vector<char>> values_;
    std::vector<int> lengths_;
};

std::string fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(LibmdbRead, OneMegabyteMemoComesBackWhole) {
    ScratchDir dir;
    std::string memo;
    for (int i = 0; memo.size() < (3u << 20); ++i) {
        memo += "ย่อหน้า " + std::to_string(i) + " \"คำพูด\", บรรทัด\r\nline two\n";
    }
    const std::string csv = "code,biography\n1," + csvQuoted(memo) + "\n2,short\n";
    const auto mdb = dir.file("memo.mdb");
    writeFamilyFile({{"family", csv, "family.csv"}}, mdb);

    LibmdbTable table(mdb, "family");
    ASSERT_TRUE(table.next());
    EXPECT_TRUE(table.text(1) == memo)
        << "libmdb read " << table.text(1).size() << " of " << memo.size() << " bytes";
    ASSERT_TRUE(table.next());
    EXPECT_EQ(table.text(1), "short");
    EXPECT_FALSE(table.next());

    const auto result = checkWithMdbReader(mdb, {{"family", dir.write("family.csv", csv)}});
    EXPECT_EQ(result.exitCode, 0) << result.output;
}

TEST(LibmdbRead, DatesLibmdbCannotPrintKeepAccessDayCounts) {
    ScratchDir dir;
    const std::string csv =
        "code,born\n"
        "1,1850-03-04 12:30:00\n"
        "2,1600-01-01\n"
        "3,1899-12-29 06:00:00\n"
        "4,1899-12-30 06:00:00\n"
        "5,9999-12-31 23:59:59\n";
    const auto mdb = dir.file("dates.mdb");
    writeFamilyFile({{"family", csv, "family.csv"}}, mdb);

    LibmdbTable table(mdb, "family");
    for (const double expected :
         {-18198.0 - 12.5 / 24, -109571.0, -1.25, 0.25, 2958465.0 + 86399.0 / 86400}) {
        ASSERT_TRUE(table.next());
        EXPECT_DOUBLE_EQ(table.storedDouble(1), expected);
    }

    const auto result = checkWithMdbReader(mdb, {{"family", dir.write("family.csv", csv)}});
    EXPECT_EQ(result.exitCode, 0) << result.output;
}

TEST(LibmdbRead, CatalogFlagsAndRowCounts) {
    ScratchDir dir;
    std::string many = "code:long\n";
    for (int i = 0; i < 700; ++i) many += std::to_string(i) + "\n";
    const auto mdb = dir.file("counts.mdb");
    writeFamilyFile({{"none", "code\n", "none.csv"},
                     {"one", "code\n1\n", "one.csv"},
                     {"many", many, "many.csv"}},
                    mdb);

    MdbHandle* handle = mdb_open(mdb.c_str(), MDB_NOFLAGS);
    ASSERT_NE(handle, nullptr);
    mdb_read_catalog(handle, MDB_TABLE);
    std::vector<std::string> user;
    std::vector<std::string> system;
    for (unsigned i = 0; i < handle->num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(handle->catalog, i));
        (mdb_is_system_table(entry) ? system : user).push_back(entry->object_name);
    }
    mdb_close(handle);
    EXPECT_EQ(user, (std::vector<std::string>{"none", "one", "many"}));
    EXPECT_EQ(system, (std::vector<std::string>{"MSysObjects"}));

    EXPECT_EQ(LibmdbTable(mdb, "none").rowCountInDefinition(), 0u);
    EXPECT_EQ(LibmdbTable(mdb, "one").rowCountInDefinition(), 1u);
    EXPECT_EQ(LibmdbTable(mdb, "many").rowCountInDefinition(), 700u);
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
