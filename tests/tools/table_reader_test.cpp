// Tests of TableReader: header names and types, type inference, typed values and the
// located errors for every kind of bad cell.
#include "table_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "input_error.h"

using namespace kinmora::mkfamily;

namespace {

TableContent readTable(const std::string& csv, const std::string& name = "family") {
    return TableReader::read({name, csv, "family.csv"});
}

std::string errorOf(const std::string& csv, const std::string& name = "family") {
    try {
        readTable(csv, name);
    } catch (const InputError& e) {
        return e.what();
    }
    return "no error";
}

TEST(TableReader, KeepsHeaderOrderAndSpellingAndCountsRows) {
    const auto table = readTable("Surname,CODE,name\nก,1,x\n\"ข\",2,y\n");
    ASSERT_EQ(table.columns.size(), 3u);
    EXPECT_EQ(table.columns[0].name, "Surname");
    EXPECT_EQ(table.columns[1].name, "CODE");
    EXPECT_EQ(table.columns[2].name, "name");
    EXPECT_EQ(table.rows.size(), 2u);
    EXPECT_EQ(table.rowLines, (std::vector<std::size_t>{2, 3}));
}

TEST(TableReader, HeaderOnlyGivesAnEmptyTable) {
    EXPECT_TRUE(readTable("code,name\n").rows.empty());
}

struct TypeCase {
    std::string header;
    std::vector<std::string> values;
    ColumnType expected;
};

class ColumnTypes : public testing::TestWithParam<TypeCase> {};

TEST_P(ColumnTypes, FollowHeaderOrValues) {
    std::string csv = GetParam().header + "\n";
    for (const auto& value : GetParam().values) csv += "\"" + value + "\"\n";
    const auto table = readTable(csv);
    ASSERT_EQ(table.columns.size(), 1u);
    EXPECT_EQ(columnTypeName(table.columns[0].type), columnTypeName(GetParam().expected))
        << GetParam().header;
}

const std::string k256(256, 'x');

INSTANTIATE_TEST_SUITE_P(KnownNames, ColumnTypes,
                         testing::Values(TypeCase{"Code", {"1"}, ColumnType::Integer},
                                         TypeCase{"FATHERCODE", {"1"}, ColumnType::Integer},
                                         TypeCase{"motherCode", {"1"}, ColumnType::Integer},
                                         TypeCase{"Sex", {"1"}, ColumnType::Boolean},
                                         TypeCase{"still", {"0"}, ColumnType::Boolean},
                                         TypeCase{"Born", {"1999-01-01"}, ColumnType::DateTime},
                                         TypeCase{"DIE", {""}, ColumnType::DateTime},
                                         TypeCase{"Biography", {"x"}, ColumnType::Memo},
                                         TypeCase{"NAME", {"12"}, ColumnType::Text},
                                         TypeCase{"surname", {"1999-01-01"}, ColumnType::Text}));

INSTANTIATE_TEST_SUITE_P(Suffixes, ColumnTypes,
                         testing::Values(TypeCase{"code:long", {"70000"}, ColumnType::LongInteger},
                                         TypeCase{"x:INT", {"1"}, ColumnType::Integer},
                                         TypeCase{"x:bool", {"1"}, ColumnType::Boolean},
                                         TypeCase{"x:date", {"2000-01-01"}, ColumnType::DateTime},
                                         TypeCase{"x:text", {"123"}, ColumnType::Text},
                                         TypeCase{"biography:text", {"x"}, ColumnType::Text},
                                         TypeCase{"x:memo", {"short"}, ColumnType::Memo},
                                         TypeCase{"x:Double", {"1.5"}, ColumnType::Double}));

INSTANTIATE_TEST_SUITE_P(
    Inferred, ColumnTypes,
    testing::Values(TypeCase{"husband", {"12", "", "-5"}, ColumnType::LongInteger},
                    TypeCase{"note", {"2147483647", "-2147483648"}, ColumnType::LongInteger},
                    TypeCase{"note", {"2147483648"}, ColumnType::Text},
                    TypeCase{"note", {"007"}, ColumnType::Text},
                    TypeCase{"note", {"-0"}, ColumnType::Text},
                    TypeCase{"note", {"1.5"}, ColumnType::Text},
                    TypeCase{"note", {"1999-01-02", "1850-03-04 12:30:00"}, ColumnType::DateTime},
                    TypeCase{"note", {"1999-01-02", "7"}, ColumnType::Text},
                    TypeCase{"note", {"x", k256}, ColumnType::Memo},
                    TypeCase{"note", {std::string(255, 'x')}, ColumnType::Text},
                    TypeCase{"note", {"", ""}, ColumnType::Text}));

TEST(TableReader, ConvertsCellsToTypedValues) {
    const auto table = readTable(
        "a:int,b:long,c:bool,d:date,e:double,f:text,g:memo\n"
        "-32768,2147483647,1,1900-01-01 06:00:00,-2.5,กข,\"x\"\"y\"\n"
        "32767,-2147483648,0,,,,\n");
    ASSERT_EQ(table.rows.size(), 2u);
    const auto& first = table.rows[0];
    EXPECT_EQ(std::get<std::int32_t>(first[0]), -32768);
    EXPECT_EQ(std::get<std::int32_t>(first[1]), 2147483647);
    EXPECT_TRUE(std::get<bool>(first[2]));
    EXPECT_DOUBLE_EQ(std::get<double>(first[3]), 2.25);
    EXPECT_DOUBLE_EQ(std::get<double>(first[4]), -2.5);
    EXPECT_EQ(std::get<std::string>(first[5]), "\xA1\xA2");
    EXPECT_EQ(std::get<std::string>(first[6]), "x\"y");
    const auto& second = table.rows[1];
    EXPECT_EQ(std::get<std::int32_t>(second[0]), 32767);
    EXPECT_EQ(std::get<std::int32_t>(second[1]), -2147483648);
    EXPECT_FALSE(std::get<bool>(second[2]));
    for (std::size_t c = 3; c < second.size(); ++c) {
        EXPECT_TRUE(std::holds_alternative<std::monostate>(second[c])) << "column " << c;
    }
}

struct ErrorCase {
    std::string csv;
    std::string message;
    std::string tableName = "family";
};

class ReaderError : public testing::TestWithParam<ErrorCase> {};

TEST_P(ReaderError, NamesSourceLineAndFault) {
    const std::string error = errorOf(GetParam().csv, GetParam().tableName);
    EXPECT_EQ(error.substr(0, GetParam().message.size()), GetParam().message) << error;
}

INSTANTIATE_TEST_SUITE_P(
    Cells, ReaderError,
    testing::Values(
        ErrorCase{"name,code\nx,1\ny,40000\n",
                  "family.csv:3: column 'code': '40000' is out of range for Integer (-32768 to "
                  "32767)"},
        ErrorCase{"code:long\n2147483648\n",
                  "family.csv:2: column 'code': '2147483648' is out of range for Long Integer"},
        ErrorCase{"code\n12a\n", "family.csv:2: column 'code': '12a' is not a whole number"},
        ErrorCase{"code\n 1\n", "family.csv:2: column 'code': ' 1' is not a whole number"},
        ErrorCase{"x:double\n1e999\n", "family.csv:2: column 'x': '1e999' is not a number"},
        ErrorCase{"x:double\nnan\n", "family.csv:2: column 'x': 'nan' is not a number"},
        ErrorCase{"born\n1999-02-29\n", "family.csv:2: column 'born': '1999-02-29' is not a date"},
        ErrorCase{"born\n1999-01-01 24:00:00\n", "family.csv:2: column 'born': '1999-01-01 24"},
        ErrorCase{"born\n0099-12-31\n", "family.csv:2: column 'born': '0099-12-31' is not a date"},
        ErrorCase{"sex,name\n,x\n", "family.csv:2: column 'sex': a Yes/No cell cannot be empty"},
        ErrorCase{"sex\n2\n", "family.csv:2: column 'sex': a Yes/No cell holds 1 or 0, not '2'"},
        ErrorCase{"name\nok\nยิ้ม😀\n",
                  "family.csv:3: column 'name': character '😀' (U+1F600) is not in code page 874"},
        ErrorCase{"name\n\xC3\x28\n", "family.csv:2: column 'name': text is not valid UTF-8"},
        ErrorCase{"name\n" + std::string(256, 'x') + "\n",
                  "family.csv:2: column 'name': a Text value holds at most 255 characters, this "
                  "one has 256"},
        ErrorCase{"name,born\n\"two\nlines\",bad\n", "family.csv:3: column 'born': 'bad'"}));

INSTANTIATE_TEST_SUITE_P(
    Structure, ReaderError,
    testing::Values(
        ErrorCase{"", "family.csv:1: no header row naming the columns"},
        ErrorCase{"a,b\n1,2\n3\n", "family.csv:3: 1 cells, but the header has 2 columns"},
        ErrorCase{"a,b\n1,2,3\n", "family.csv:2: 3 cells, but the header has 2 columns"},
        ErrorCase{"\n\nx:varchar\n", "family.csv:3: column 'x:varchar': unknown type 'varchar'"},
        ErrorCase{"name,Name\n", "family.csv:1: column 'Name' appears twice"},
        ErrorCase{"code,a.b\n", "family.csv:1: column name 'a.b' contains a character"},
        ErrorCase{"code,\n", "family.csv:1: column name is empty"},
        ErrorCase{std::string(65, 'c') + "\n", "family.csv:1: column name 'ccc"},
        ErrorCase{"code\n", "family.csv: table name 'MSysFamily' is reserved", "MSysFamily"},
        ErrorCase{"code\n", "family.csv: table name is empty", ""}));

}  // namespace
