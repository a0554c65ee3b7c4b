// Tests of the writer's input: RFC 4180 records with their lines, the column types from
// names, suffixes and values, the located error for each kind of bad CSV, cell or header,
// Access day counts, the bytes each format stores text as, and the passwords refused.
// The typed values are checked end to end in round_trip_test, where two independent
// readers read them back.
#include <gtest/gtest.h>

#include <QByteArray>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "access_date.h"
#include "csv_reader.h"
#include "database_header.h"
#include "input_error.h"
#include "table_reader.h"
#include "text_encoder.h"

using namespace kinmora::mkfamily;
using namespace std::string_literals;

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

// What `csv` is refused with, or "" when it reads.
std::string refusal(const std::string& csv, FileFormat format = FileFormat::Access97) {
    try {
        TableReader::read({"family", csv, "family.csv"}, format);
    } catch (const InputError& e) {
        return e.what();
    }
    return "";
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
        const std::string error = refusal(csv);
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

std::string hex(const std::string& bytes) {
    return QByteArray::fromStdString(bytes).toHex(' ').toUpper().toStdString();
}

// Jet 4 text is UCS-2, "compressed" (FF FE, one byte a character below U+0100, a 0 byte
// switching to two and back) when that is shorter and no character has a 0 low byte.
TEST(StoredText, EachFormatKeepsTextAsAccessDoes) {
    const std::tuple<FileFormat, std::string, std::string> cases[] = {
        {FileFormat::Access97, "กa€", "A1 61 80"},
        {FileFormat::Access2000, "abc", "FF FE 61 62 63"},
        {FileFormat::Access2000, "ก", "01 0E"},  // compressed would be longer
        {FileFormat::Access2000, "ab กข cd", "FF FE 61 62 20 00 01 0E 02 0E 00 20 63 64"},
        {FileFormat::Access2000, "กข ค", "01 0E 02 0E 20 00 04 0E"},  // switching costs more
        {FileFormat::Access2007, "a\0b"s, "61 00 00 00 62 00"},       // NUL: never compressed
        {FileFormat::Access2007, "xĀ", "78 00 00 01"},                // U+0100 neither
        {FileFormat::Access2007, "😀", "3D D8 00 DE"},                 // a surrogate pair
    };
    for (const auto& [format, text, bytes] : cases)
        EXPECT_EQ(hex(TextEncoder(JetFormat::of(format)).value(text)), bytes) << text;
    // Access compresses up to 1,024 characters; longer memos stay UCS-2.
    const TextEncoder jet4(JetFormat::of(FileFormat::Access2000));
    EXPECT_EQ(jet4.value(std::string(1024, 'a')).size(), 1026u);
    EXPECT_EQ(jet4.value(std::string(1025, 'a')).size(), 2050u);
}

// What each format can hold: Access 97 only code page 874; Jet 4 counts Text lengths and
// names in UTF-16 units, a character beyond the BMP taking two.
TEST(StoredText, LimitsFollowTheFormat) {
    const std::string emoji = "😀";
    const std::tuple<FileFormat, std::string, std::string> cases[] = {
        {FileFormat::Access97, "name\n" + emoji + "\n", "family.csv:2: column 'name': character"},
        {FileFormat::Access2000, "name\n" + emoji + "\n", ""},
        {FileFormat::Access2000, "name\n" + std::string(253, 'x') + emoji + "\n", ""},
        {FileFormat::Access2000, "name\n" + std::string(254, 'x') + emoji + "\n",
         "family.csv:2: column 'name': a Text value holds at most 255 characters, this one has "
         "256"},
        {FileFormat::Access2007, std::string(62, 'n') + emoji + "\n", ""},
        {FileFormat::Access2007, std::string(63, 'n') + emoji + "\n",
         "family.csv:1: column name '" + std::string(63, 'n') + emoji + "' is longer"},
        {FileFormat::Access97, "note\n" + std::string(254, 'x') + emoji + "\n",
         "family.csv:2: column 'note': character"},
    };
    for (const auto& [format, csv, message] : cases) {
        const std::string error = refusal(csv, format);
        EXPECT_EQ(message.empty() ? error : error.substr(0, message.size()), message) << error;
    }
    // A 255-unit value with a surrogate pair is no longer Text: inference makes it a Memo.
    const auto inferred =
        TableReader::read({"family", "note\n" + std::string(254, 'x') + emoji + "\n", "f.csv"},
                          FileFormat::Access2000);
    EXPECT_EQ(inferred.columns[0].type, ColumnType::Memo);
}

// Where page 0 keeps the password is checked by mdb-reader in round_trip_test; here, the
// passwords Access cannot keep.
TEST(DatabaseHeaderPage, RefusesPasswordsAccessCannotKeep) {
    const std::pair<std::string, std::string> refused[] = {
        {std::string(21, 'p'), "the password has more than the 20 characters Access allows"},
        {"a\0b"s, "the password holds a NUL character, which would end it"},
        {"😀", "the password cannot be kept in an Access 97 file: character"}};
    for (const auto& [password, message] : refused) {
        try {
            DatabaseHeader::page(JetFormat::of(FileFormat::Access97), password, 45366.75);
            ADD_FAILURE() << "accepted " << password;
        } catch (const std::invalid_argument& e) {
            EXPECT_EQ(std::string(e.what()).substr(0, message.size()), message);
        }
    }
}

}  // namespace
