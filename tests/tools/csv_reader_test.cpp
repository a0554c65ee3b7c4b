// Tests of CsvReader: RFC 4180 quoting, line breaks, BOM, blank lines and located errors.
#include "csv_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input_error.h"

using kinmora::mkfamily::CsvReader;
using kinmora::mkfamily::CsvRecord;
using kinmora::mkfamily::InputError;

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

struct ErrorCase {
    const char* what;
    std::string csv;
    std::string message;
};

class CsvError : public testing::TestWithParam<ErrorCase> {};

TEST_P(CsvError, NamesSourceAndLine) {
    try {
        readAll(GetParam().csv);
        FAIL() << GetParam().what << ": no error";
    } catch (const InputError& e) {
        EXPECT_EQ(std::string(e.what()).substr(0, GetParam().message.size()), GetParam().message)
            << GetParam().what << ": " << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CsvError,
    testing::Values(ErrorCase{"unterminated quote, named where it opened",
                              "a\nb,\"open\n\"\"more\n",
                              "people.csv:2: quoted field is never closed"},
                    ErrorCase{"quote inside an unquoted field", "a\nab\"c\n",
                              "people.csv:2: quote inside an unquoted field"},
                    ErrorCase{"text after the closing quote, on the line it happens",
                              "a\n\"x\ny\"z\n",
                              "people.csv:3: unexpected text after a closing quote"}));

}  // namespace
