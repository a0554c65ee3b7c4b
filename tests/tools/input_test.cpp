// Tests of the writer's input and encodings: RFC 4180 records with their lines, the column
// types from names, suffixes and values, the located error for every kind of bad CSV, cell
// or header, code page 874 text and Access day counts. The typed values themselves, and the
// scrambled header that every reader must undo, are checked end to end in round_trip_test.
#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "access_date.h"
#include "cp874_encoder.h"
#include "csv_reader.h"
#include "input_error.h"
#include "support/iconv_cp874.h"
#include "table_reader.h"

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

// Which dates and characters are refused is checked with the encodings below; here,
// that the refusal names its place.
INSTANTIATE_TEST_SUITE_P(
    Cells, ReaderError,
    testing::Values(
        ErrorCase{"name,code\nx,1\ny,40000\n",
                  "family.csv:3: column 'code': '40000' is out of range"},
        ErrorCase{"code:long\n2147483648\n", "family.csv:2: column 'code': '2147483648' is out"},
        ErrorCase{"code\n12a\n", "family.csv:2: column 'code': '12a' is not a whole number"},
        ErrorCase{"x:double\n1e999\n", "family.csv:2: column 'x': '1e999' is not a number"},
        ErrorCase{"x:double\nnan\n", "family.csv:2: column 'x': 'nan' is not a number"},
        ErrorCase{"born\n1999-02-29\n", "family.csv:2: column 'born': '1999-02-29' is not a date"},
        ErrorCase{"sex,name\n,x\n", "family.csv:2: column 'sex': a Yes/No cell cannot be empty"},
        ErrorCase{"sex\n2\n", "family.csv:2: column 'sex': a Yes/No cell holds 1 or 0, not '2'"},
        ErrorCase{"name\nok\nยิ้ม😀\n", "family.csv:3: column 'name': character '😀' (U+1F600)"},
        ErrorCase{"name\n" + std::string(256, 'x') + "\n", "family.csv:2: column 'name': a Text"},
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

// glibc's WINDOWS-874 table, an independent source: every byte it defines must come
// back, and ASCII passes through.
TEST(Cp874Encoder, AgreesWithIconvOnEveryByte) {
    int defined = 0;
    for (int byte = 0x01; byte <= 0xFF; ++byte) {
        const auto utf8 = kinmora::testing::iconvCp874ToUtf8(static_cast<unsigned char>(byte));
        if (!utf8) continue;
        ++defined;
        EXPECT_EQ(Cp874Encoder::encode(*utf8), std::string(1, static_cast<char>(byte)))
            << "byte 0x" << std::hex << byte;
        EXPECT_EQ(Cp874Encoder::characterCount(*utf8), 1u) << "byte 0x" << std::hex << byte;
    }
    // ASCII, then 87 Thai letters and digits, NBSP and 9 punctuation marks.
    EXPECT_EQ(defined, 127 + 97);
    EXPECT_EQ(Cp874Encoder::encode("สมชาย ใจดี"), "\xCA\xC1\xAA\xD2\xC2 \xE3\xA8\xB4\xD5");
    EXPECT_EQ(Cp874Encoder::characterCount("สมชาย ใจดี"), 10u);
    EXPECT_EQ(Cp874Encoder::encode(""), "");
}

class Cp874Reject : public testing::TestWithParam<std::pair<std::string, std::string>> {};

TEST_P(Cp874Reject, SaysWhy) {
    try {
        Cp874Encoder::encode(GetParam().first);
        FAIL() << "accepted " << GetParam().first;
    } catch (const std::invalid_argument& e) {
        EXPECT_EQ(std::string(e.what()), GetParam().second);
    }
}

const std::string kNotUtf8 = "text is not valid UTF-8";
INSTANTIATE_TEST_SUITE_P(
    Cases, Cp874Reject,
    testing::Values(std::make_pair("a\u0E3Bb",
                                   "character '\u0E3B' (U+0E3B) is not in code page 874 (Thai)"),
                    std::make_pair("café", "character 'é' (U+00E9) is not in code page 874 (Thai)"),
                    std::make_pair("\xC0\x80", kNotUtf8),      // overlong
                    std::make_pair("\xE0\xB8", kNotUtf8),      // cut short
                    std::make_pair("\xED\xA0\x80", kNotUtf8),  // a surrogate
                    std::make_pair("\x80", kNotUtf8)));        // a lone continuation byte

struct DateCase {
    std::string text;
    std::optional<double> days;
};

class AccessDates : public testing::TestWithParam<DateCase> {};

TEST_P(AccessDates, CountDaysTheAccessWay) {
    const auto days = AccessDate::fromText(GetParam().text);
    ASSERT_EQ(days.has_value(), GetParam().days.has_value()) << GetParam().text;
    if (days) {
        EXPECT_DOUBLE_EQ(*days, *GetParam().days) << GetParam().text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Valid, AccessDates,
    testing::Values(DateCase{"1899-12-30", 0.0}, DateCase{"1899-12-31", 1.0},
                    DateCase{"1900-01-01", 2.0}, DateCase{"1899-12-29", -1.0},
                    DateCase{"1899-12-30 12:00:00", 0.5},
                    // Before 1899-12-30 the time is subtracted from the negative day.
                    DateCase{"1899-12-29 12:00:00", -1.5},
                    DateCase{"1800-01-01 06:00:00", -36522.25}, DateCase{"2000-02-29", 36585.0},
                    DateCase{"9999-12-31 23:59:59", 2958465.0 + 86399.0 / 86400.0},
                    DateCase{"0100-01-01", -657434.0}));

INSTANTIATE_TEST_SUITE_P(
    Invalid, AccessDates,
    testing::Values(DateCase{"2001-02-29", {}}, DateCase{"1900-02-29", {}},
                    DateCase{"2000-04-31", {}}, DateCase{"2000-13-01", {}},
                    DateCase{"2000-00-10", {}}, DateCase{"2000-1-01", {}},
                    DateCase{"0099-12-31", {}}, DateCase{"2000-01-01T00:00:00", {}},
                    DateCase{"2000-01-01 12:00", {}}, DateCase{"2000-01-01 24:00:00", {}},
                    DateCase{"2000-01-01 00:60:00", {}}, DateCase{"2000-01-01 23:59:60", {}},
                    DateCase{"abcd-ef-gh", {}}, DateCase{"", {}}));

}  // namespace
