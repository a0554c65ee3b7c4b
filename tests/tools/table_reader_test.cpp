// Tests of the CSV input: RFC 4180 records with their lines, the column types from names,
// suffixes and values, and the located error for every kind of bad CSV, cell or header.
// The typed values themselves are checked end to end in round_trip_test.
#include "table_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "csv_reader.h"
#include "input_error.h"

using namespace kinmora::mkfamily;

namespace {

struct Row {
    std::size_t line;
    std::vector<std::string> fields;
    bool operator==(const Row&) const = default;
};

std::vector<Row> readAll(const std::string& text) {
    CsvReader reader(text, "people.csv");
    std::vector<Row> rows;
    while (auto record = reader.next()) {
        Row row{record->line, {}};
        for (const auto& field : record->fields) row.fields.push_back(field.text);
        rows.push_back(row);
    }
    return rows;
}

struct ParseCase {
    const char* what;
    std::string csv;
    std::vector<Row> expected;
};

class CsvParse : public testing::TestWithParam<ParseCase> {};

TEST_P(CsvParse, ReadsRecordsAndTheirLines) {
    EXPECT_EQ(readAll(GetParam().csv), GetParam().expected) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CsvParse,
    testing::Values(
        ParseCase{"LF", "a,b\n1,2\n", {{1, {"a", "b"}}, {2, {"1", "2"}}}},
        ParseCase{"CRLF", "a,b\r\n1,2\r\n", {{1, {"a", "b"}}, {2, {"1", "2"}}}},
        ParseCase{"no final line break", "a,b\n1,2", {{1, {"a", "b"}}, {2, {"1", "2"}}}},
        ParseCase{"byte order mark",
                  "\xEF\xBB\xBF"
                  "a,b\n",
                  {{1, {"a", "b"}}}},
        ParseCase{"comma inside quotes", "\"x,y\",z\n", {{1, {"x,y", "z"}}}},
        ParseCase{"doubled quotes", "\"say \"\"hi\"\"\",\"\"\"\"\n", {{1, {"say \"hi\"", "\""}}}},
        ParseCase{"line breaks inside quotes are kept as written",
                  "\"l1\nl2\",b\n\"l1\r\nl2\",c\n",
                  {{1, {"l1\nl2", "b"}}, {3, {"l1\r\nl2", "c"}}}},
        ParseCase{"lines counted across a multi-line field",
                  "h\n\"a\nb\nc\"\nnext\n",
                  {{1, {"h"}}, {2, {"a\nb\nc"}}, {5, {"next"}}}},
        ParseCase{"empty cells", ",,\na,\n", {{1, {"", "", ""}}, {2, {"a", ""}}}},
        ParseCase{"a quoted empty field is a record", "h\n\"\"\n", {{1, {"h"}}, {2, {""}}}},
        ParseCase{"blank lines are skipped", "a\n\n\r\n\nb\n", {{1, {"a"}}, {5, {"b"}}}},
        ParseCase{"a lone carriage return is text", "a\rb,c\n", {{1, {"a\rb", "c"}}}},
        ParseCase{"Thai text passes through", "ชื่อ,\"นาม, สกุล\"\n", {{1, {"ชื่อ", "นาม, สกุล"}}}},
        ParseCase{"nothing but a BOM", "\xEF\xBB\xBF", {}}));

struct TypeCase {
    std::string header;
    std::vector<std::string> values;
    ColumnType expected;
};

class ColumnTypes : public testing::TestWithParam<TypeCase> {};

TEST_P(ColumnTypes, FollowHeaderOrValues) {
    std::string csv = GetParam().header + "\n";
    for (const auto& value : GetParam().values) csv += "\"" + value + "\"\n";
    const auto table = TableReader::read({"family", csv, "family.csv"});
    ASSERT_EQ(table.columns.size(), 1u);
    EXPECT_EQ(columnTypeName(table.columns[0].type), columnTypeName(GetParam().expected))
        << GetParam().header;
}

INSTANTIATE_TEST_SUITE_P(KnownNames, ColumnTypes,
                         testing::Values(TypeCase{"FATHERCODE", {"1"}, ColumnType::Integer},
                                         TypeCase{"DIE", {""}, ColumnType::DateTime},
                                         TypeCase{"NAME", {"12"}, ColumnType::Text}));

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
                    TypeCase{"note", {"x", std::string(256, 'x')}, ColumnType::Memo},
                    TypeCase{"note", {std::string(255, 'x')}, ColumnType::Text},
                    TypeCase{"note", {"", ""}, ColumnType::Text}));

struct ErrorCase {
    std::string csv;
    std::string message;
    std::string tableName = "family";
};

class ReaderError : public testing::TestWithParam<ErrorCase> {};

TEST_P(ReaderError, NamesSourceLineAndFault) {
    std::string error = "no error";
    try {
        TableReader::read({GetParam().tableName, GetParam().csv, "family.csv"});
    } catch (const InputError& e) {
        error = e.what();
    }
    EXPECT_EQ(error.substr(0, GetParam().message.size()), GetParam().message) << error;
}

// Which dates and characters are refused is value_encoding_test's; here, that the
// refusal names its place.
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
        ErrorCase{"sex,name\n,x\n", "family.csv:2: column 'sex': a Yes/No cell cannot be empty"},
        ErrorCase{"sex\n2\n", "family.csv:2: column 'sex': a Yes/No cell holds 1 or 0, not '2'"},
        ErrorCase{"name\nok\nยิ้ม😀\n",
                  "family.csv:3: column 'name': character '😀' (U+1F600) is not in code page 874"},
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
        ErrorCase{"code\n", "family.csv: table name is empty", ""},
        ErrorCase{"a\nb,\"open\n\"\"more\n", "family.csv:2: quoted field is never closed"},
        ErrorCase{"a\nab\"c\n", "family.csv:2: quote inside an unquoted field"},
        ErrorCase{"a\n\"x\ny\"z\n", "family.csv:3: unexpected text after a closing quote"}));

}  // namespace
