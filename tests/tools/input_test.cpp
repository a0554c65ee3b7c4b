// Tests of the writer's input: RFC 4180 records with their lines, the column types from
// names, suffixes and values, the located error for each kind of bad CSV, cell or header,
// and Access day counts. The typed values and their code page 874 bytes are checked end to
// end in round_trip_test, where two independent readers read them back.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "access_date.h"
#include "csv_reader.h"
#include "input_error.h"
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

TEST(CsvParse, ReadsRecordsAndTheirLines) {
    const std::pair<std::string, std::vector<Row>> cases[] = {
        {"a,b\n1,2\n", {{1, {"a", "b"}}, {2, {"1", "2"}}}},
        {"a,b\r\n1,2\r\n", {{1, {"a", "b"}}, {2, {"1", "2"}}}},
        {"\xEF\xBB\xBF"
         "a,b\n",
         {{1, {"a", "b"}}}},
        {"\"x,y\",z\n", {{1, {"x,y", "z"}}}},
        {"\"say \"\"hi\"\"\",\"\"\"\"\n", {{1, {"say \"hi\"", "\""}}}},
        // Line breaks inside quotes are kept as written, and lines counted across them.
        {"\"l1\nl2\",b\n\"l1\r\nl2\",c\n", {{1, {"l1\nl2", "b"}}, {3, {"l1\r\nl2", "c"}}}},
        {"h\n\"a\nb\nc\"\nnext\n", {{1, {"h"}}, {2, {"a\nb\nc"}}, {5, {"next"}}}},
        {",,\na,\n", {{1, {"", "", ""}}, {2, {"a", ""}}}},
        {"h\n\"\"\n", {{1, {"h"}}, {2, {""}}}},  // a quoted empty field is a record
        {"a\n\n\r\n\nb\n", {{1, {"a"}}, {5, {"b"}}}},
        {"a\rb,c", {{1, {"a\rb", "c"}}}},  // a lone carriage return is text
    };
    for (const auto& [csv, rows] : cases) EXPECT_EQ(readAll(csv), rows) << csv;
}

TEST(ColumnTypes, FollowKnownNamesThenSuffixesThenValues) {
    const std::pair<std::string, ColumnType> cases[] = {
        {"FATHERCODE\n1", ColumnType::Integer},
        {"DIE\n\"\"", ColumnType::DateTime},
        {"NAME\n12", ColumnType::Text},
        {"code:long\n70000", ColumnType::LongInteger},
        {"x:INT\n1", ColumnType::Integer},
        {"x:text\n123", ColumnType::Text},
        {"biography:text\nx", ColumnType::Text},
        {"x:memo\nshort", ColumnType::Memo},
        {"x:Double\n1.5", ColumnType::Double},
        {"husband\n12\n\"\"\n-5", ColumnType::LongInteger},
        {"note\n2147483647\n-2147483648", ColumnType::LongInteger},
        {"note\n2147483648", ColumnType::Text},
        {"note\n007", ColumnType::Text},
        {"note\n-0", ColumnType::Text},
        {"note\n1999-01-02\n1850-03-04 12:30:00", ColumnType::DateTime},
        {"note\n1999-01-02\n7", ColumnType::Text},
        {"note\nx\n" + std::string(256, 'x'), ColumnType::Memo},
        {"note\n" + std::string(255, 'x'), ColumnType::Text},
        {"note\nก" + std::string(254, 'x'), ColumnType::Text},  // characters, not bytes
        {"note\n\"\"\n\"\"", ColumnType::Text},
    };
    for (const auto& [csv, type] : cases) {
        const auto table = TableReader::read({"family", csv + "\n", "family.csv"});
        ASSERT_EQ(table.columns.size(), 1u) << csv;
        EXPECT_EQ(columnTypeName(table.columns[0].type), columnTypeName(type)) << csv;
    }
}

// One case for each kind of fault, located by file, line and column; which dates are
// refused is checked with the day counts below.
TEST(ReaderError, NamesSourceLineAndFault) {
    const std::pair<std::string, std::string> cases[] = {
        {"name,code\nx,1\ny,40000\n", "family.csv:3: column 'code': '40000' is out of range"},
        {"code\n12a\n", "family.csv:2: column 'code': '12a' is not a whole number"},
        {"x:double\nnan\n", "family.csv:2: column 'x': 'nan' is not a number"},
        {"born\n1999-02-29\n", "family.csv:2: column 'born': '1999-02-29' is not a date"},
        {"sex,name\n,x\n", "family.csv:2: column 'sex': a Yes/No cell cannot be empty"},
        {"name\nok\nยิ้ม😀\n", "family.csv:3: column 'name': character '😀' (U+1F600)"},
        {"name\ncaf\xE9\n", "family.csv:2: column 'name': text is not valid UTF-8"},
        {"name\n" + std::string(256, 'x') + "\n", "family.csv:2: column 'name': a Text"},
        {"name,born\n\"two\nlines\",bad\n", "family.csv:3: column 'born': 'bad'"},
        {"", "family.csv:1: no header row naming the columns"},
        {"a,b\n1,2\n3\n", "family.csv:3: 1 cells, but the header has 2 columns"},
        {"\n\nx:varchar\n", "family.csv:3: column 'x:varchar': unknown type 'varchar'"},
        {"name,Name\n", "family.csv:1: column 'Name' appears twice"},
        {"code,a.b\n", "family.csv:1: column name 'a.b' contains a character"},
        {"a\nb,\"open\n\"\"more\n", "family.csv:2: quoted field is never closed"},
        {"a\n\"x\ny\"z\n", "family.csv:3: unexpected text after a closing quote"},
    };
    for (const auto& [csv, message] : cases) {
        std::string error = "no error";
        try {
            TableReader::read({"family", csv, "family.csv"});
        } catch (const InputError& e) {
            error = e.what();
        }
        EXPECT_EQ(error.substr(0, message.size()), message) << error;
    }
    EXPECT_THROW(TableReader::read({"MSysFamily", "code\n", "family.csv"}), InputError);
}

// Before 1899-12-30 the time of day is subtracted from the negative day count.
TEST(AccessDates, CountDaysTheAccessWay) {
    const std::pair<std::string, double> cases[] = {
        {"1899-12-30", 0.0},           {"1899-12-31", 1.0},
        {"1899-12-29", -1.0},          {"1899-12-30 12:00:00", 0.5},
        {"1899-12-29 12:00:00", -1.5}, {"1800-01-01 06:00:00", -36522.25},
        {"2000-02-29", 36585.0},       {"9999-12-31 23:59:59", 2958465.0 + 86399.0 / 86400.0},
        {"0100-01-01", -657434.0}};
    for (const auto& [text, days] : cases) EXPECT_EQ(AccessDate::fromText(text), days) << text;
    for (const char* text :
         {"1900-02-29", "2000-04-31", "2000-13-01", "0099-12-31", "2000-01-01T00:00:00",
          "2000-01-01 12:00", "2000-01-01 24:00:00", "abcd-ef-gh"})
        EXPECT_FALSE(AccessDate::fromText(text)) << text;
}

}  // namespace
