// Round trips through the writer: CSV in, an Access 97, 2000 or 2007 file out, read back by
// libmdb's tools (mdb-tables, mdb-schema, mdb-export) and by the independent mdb-reader,
// which must all return exactly what went in.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "csv_reader.h"
#include "family_writer.h"
#include "support/family_files.h"
#include "support/file_patches.h"
#include "support/process_runner.h"

using kinmora::mkfamily::CsvReader;
using kinmora::testing::FileFormat;
using kinmora::testing::FileKind;
using Records = std::vector<std::vector<std::string>>;
using Tables = std::vector<std::pair<std::string, std::string>>;  // name, CSV text

namespace {

Records records(const std::string& csv) {
    CsvReader reader(csv, "csv");
    Records rows;
    while (auto record = reader.next()) {
        std::vector<std::string> cells;
        for (auto& field : record->fields) cells.push_back(std::move(field.text));
        rows.push_back(std::move(cells));
    }
    return rows;
}

// What one of libmdb's tools prints.
std::string tool(const QString& program, const QStringList& arguments) {
    const auto run = kinmora::testing::runProcess(program, arguments);
    EXPECT_EQ(run.status, 0) << program.toStdString() << ": " << run.err.toStdString();
    return run.out.toStdString();
}

// "name type, ..." of a table's columns as mdb-schema prints them.
std::string schema(const QString& mdb, const QString& table) {
    const std::string output = tool("mdb-schema", {"-T", table, mdb, "access"});
    std::string columns;
    static const std::regex line(R"(\t\[(.*)\]\t+([^,\n]*?)(?: NOT NULL)?,? *\n)");
    for (std::sregex_iterator it(output.begin(), output.end(), line), end; it != end; ++it)
        columns += (columns.empty() ? "" : ", ") + (*it)[1].str() + " " + (*it)[2].str();
    return columns;
}

// `text` as one quoted CSV cell.
std::string csvQuoted(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

// What mdb-reader (tests/reader, which does not use libmdb) makes of `arguments`.
kinmora::testing::ProcessRun mdbReader(QStringList arguments) {
    const QString dir = QStringLiteral(KINMORA_READER_DIR);
    EXPECT_TRUE(QFileInfo::exists(dir + "/node_modules/mdb-reader"))
        << KINMORA_READER_DIR << "/node_modules is missing: run npm ci --prefix tests/reader";
    return kinmora::testing::runProcess("node", QStringList{dir + "/read-mdb.mjs"} << arguments);
}

// Each test runs once per format; tests of one format's storage say which they need.
class RoundTrip : public testing::TestWithParam<FileFormat> {
protected:
    bool jet4() const { return GetParam() != FileFormat::Access97; }

    // Writes `tables` to family.mdb (.accdb for Access 2007); mdb-tables, mdb-export and
    // mdb-reader must give back every table in order, each equal to its CSV, and mdb-reader the
    // password. Tables in `notByLibmdb` hold text libmdb cannot give back (NUL, beyond the BMP).
    QString expectAllReadersAgree(const Tables& tables, const std::string& password = "",
                                  const std::vector<std::string>& notByLibmdb = {}) {
        QStringList names;
        const QString mdb =
            m_files.path(GetParam() == FileFormat::Access2007 ? "family.accdb" : "family.mdb");
        QStringList readerArguments{mdb};
        for (const auto& [name, csv] : tables) {
            names << QString::fromStdString(name);
            readerArguments << "--expect"
                            << names.last() + "=" +
                                   m_files.writeFile(names.last() + ".csv",
                                                     QByteArray::fromStdString(csv));
        }
        m_files.writeTables(QFileInfo(mdb).fileName(), tables, FileKind{GetParam(), password});
        EXPECT_EQ(tool("mdb-tables", {"-1", mdb}), (names.join('\n') + '\n').toStdString());
        static const std::regex midnight(R"((\d{4}-\d\d-\d\d) 00:00:00)");
        for (const auto& [name, csv] : tables) {
            if (std::find(notByLibmdb.begin(), notByLibmdb.end(), name) != notByLibmdb.end())
                continue;
            Records expected = records(csv);
            for (auto& column : expected.at(0)) column = column.substr(0, column.rfind(':'));
            // mdb-export's dates at midnight without their time.
            Records exported = records(
                tool("mdb-export", {"-T", "%Y-%m-%d %H:%M:%S", mdb, QString::fromStdString(name)}));
            for (auto& row : exported)
                for (auto& cell : row) cell = std::regex_replace(cell, midnight, "$1");
            EXPECT_EQ(exported, expected) << name;
        }
        const auto run = mdbReader(readerArguments << "--tables" << names.join(',') << "--password"
                                                   << QString::fromStdString(password));
        EXPECT_EQ(run.status, 0) << run.out.toStdString() << run.err.toStdString();
        return mdb;
    }

    kinmora::testing::FamilyFiles m_files;
};

const std::string kFamily =
    "code,name,surname,sex,born,die,still,fathercode,mothercode,biography\n"
    "1,สมชาย,ใจดี,1,1920-05-01,1990-01-02,0,,,\"เกิดที่เชียงใหม่, \"\"ครู\"\"\nบรรทัดสอง\"\n"
    "2,สมหญิง,ใจดี,0,1925-11-30 08:15:00,,1,,,\n"
    "3,Tom,Smith,1,,,1,1,2,ราคา 100€ … ‘quoted’ “double” – — •\n"
    "4,,,0,,,1,3,,\n";

const std::string kMarried =
    "husband,wife,date,note\n"
    "1,2,1945-06-07,งานแต่ง\n"
    "3,2,,\n";

// Tables keep the given order and names, Thai ones too, empty or without
// variable columns. The family table's codes are Integer by name; the married
// table's are inferred Long Integer.
TEST_P(RoundTrip, ThaiFamilyAndMarriedTablesInTheGivenOrder) {
    const auto mdb = expectAllReadersAgree({{"married", kMarried},
                                            {"ครอบครัว", kFamily},
                                            {"family", kFamily},
                                            {"empty", "code,name,biography\n"},
                                            {"flags", "code,sex,still\n1,1,0\n2,0,1\n3,0,0\n"}});
    const char* versions[] = {"JET3\n", "JET4\n", "ACE12\n"};
    EXPECT_EQ(tool("mdb-ver", {mdb}), versions[static_cast<int>(GetParam())]);
    EXPECT_EQ(schema(mdb, "family"),
              "code Integer, name Text (255), surname Text (255), sex Boolean, born DateTime, "
              "die DateTime, still Boolean, fathercode Integer, mothercode Integer, "
              "biography Memo/Hyperlink (255)");
    EXPECT_EQ(schema(mdb, "married"),
              "husband Long Integer, wife Long Integer, date DateTime, note Text (255)");
}

// libmdb prints no date before 1899-12-30 or after 4637-11-25 (a million days); those are
// checked as day counts in input_test and read back in engine_test. The other number types
// a family file may use for its codes and flags come as mdb-export prints them (currency
// with four decimals), beside an empty OLE Object field such as a photo.
TEST_P(RoundTrip, NumbersBooleansDatesAndNullsInEveryType) {
    expectAllReadersAgree({{"numbers",
                            "i:int,l:long,b:bool,d:double,t:date,s:text,m:memo\n"
                            "-32768,-2147483648,0,-2.25,1899-12-30,a,b\n"
                            "32767,2147483647,1,3.14159,1899-12-31 23:59:59,,\n"
                            "0,0,1,0,,c,\n"
                            "-1,-1,0,,2000-02-29 12:00:01,,d\n"
                            ",,1,1e+300,,,\n"},
                           {"dates",
                            "id,at:date\n"
                            "1,1899-12-30 00:00:01\n"
                            "2,1900-01-01\n"
                            "3,1900-02-28 23:59:59\n"
                            "4,1900-03-01\n"
                            "5,1970-01-01 12:00:00\n"
                            "6,2038-01-19 03:14:08\n"
                            "7,4637-11-25 23:59:59\n"},
                           {"others",
                            "b:byte,s:single,c:currency,photo:ole\n"
                            "0,1.5,12.3400,\n"
                            "255,-2.25,-0.0001,\n"
                            "7,0,-922337203.6854,\n"
                            ",,,\n"}});
}

// Jet 3 keeps variable offsets in single bytes plus a jump table; rows whose data ends just
// before or after each multiple of 256 exercise every case of it, filler entry included.
// Many long column names push a table definition onto continuation pages.
TEST_P(RoundTrip, RowsAroundEveryOffsetJumpAndDefinitionSpanningSeveralPages) {
    std::string csv = "n:int,a,b,c,d:memo\n";
    for (int n = 0; n < 200; ++n) {
        csv += std::to_string(n) + "," + std::string(150 + n % 106, 'a') + "," +
               (n % 3 ? std::string((n * 7) % 256, 'b') : "") + "," + std::string(n % 255, 'c') +
               "," + (n % 4 ? std::string(n % 70, 'd') : "") + "\n";
    }
    std::string header;
    std::string row;
    for (int c = 0; c < 200; ++c) {
        header += (c ? "," : "") + std::string("column_with_a_rather_long_name_number_") +
                  std::to_string(c) + (c % 3 ? ":int" : ":bool");
        row += (c ? "," : "") + std::to_string(c % 2);
    }
    expectAllReadersAgree({{"wide", csv}, {"columns", header + "\n" + row + "\n" + row + "\n"}});
}

// Over 984 data pages (Jet 4: 472) the usage map no longer fits inline and moves to bitmap
// pages.
TEST_P(RoundTrip, TableTooBigForAnInlineUsageMap) {
    std::string csv = "id:long,a,b,c,d\n";
    const std::string filler(240, 'x');
    for (int i = 0; i < 2100; ++i)
        csv += std::to_string(i) + "," + filler + "," + filler + "," + filler + "," + filler + "\n";
    const QString mdb = expectAllReadersAgree({{"big", csv}});
    EXPECT_GT(QFileInfo(mdb).size() / (jet4() ? 4096 : 2048), jet4() ? 472 : 984);
}

// Memos either side of each storage change. Access 97: inline up to 64 bytes, one long value
// row up to 2032, then chains of page-sized links. Jet 4, in bytes of UCS-2: inline up to 64,
// one long value row up to 4,076, then chains; Thai is never compressed, Latin up to 1,024
// characters. Up to 60,000 characters, Thai and Latin, in every format.
TEST_P(RoundTrip, MemosOfEverySizeComeBackWhole) {
    // One byte per character in code page 874, quotes and line breaks included.
    const std::vector<std::string> characters{"ป", "ร", "ะ", "\"", "\r", "\n", ",", " ", "l"};
    std::string jet3 = "id,biography,other:memo\n";
    int id = 0;
    for (const std::size_t length : {1, 63, 64, 65, 500, 2031, 2032, 2033, 4064, 4065, 9000}) {
        std::string text;
        for (std::size_t i = 0; i < length; ++i) text += characters[i % characters.size()];
        ++id;
        jet3 +=
            std::to_string(id) + "," + csvQuoted(text) + "," + csvQuoted(id % 2 ? text : "") + "\n";
    }
    const auto repeat = [](const std::string& unit, std::size_t characters, std::size_t each) {
        std::string text;
        for (std::size_t i = 0; i < characters / each; ++i) text += unit;
        return text;
    };
    // 8 Thai characters and 8 Latin ones, with a comma, quote and line break among them.
    const std::string thai = "ประวัติ\n";
    const std::string latin = "Hist,\"y\n";
    std::string csv = "id,biography\n";
    id = 0;
    const auto add = [&](const std::string& text) {
        csv += std::to_string(++id) + "," + csvQuoted(text) + "\n";
    };
    for (const std::size_t characters : {32, 40, 2032, 2040, 4072, 4080, 8000, 30000, 60000})
        add(repeat(thai, characters, 8));
    for (const std::size_t characters : {56, 64, 1016, 1024, 1032, 2032, 2040, 8000, 60000})
        add(repeat(latin, characters, 8));
    add(repeat(thai + latin, 60000, 16));
    expectAllReadersAgree({{"family", jet3}, {"long", csv}});
}

class Jet4RoundTrip : public RoundTrip {};

// Text beyond code page 874 that only Jet 4 keeps: characters beyond the BMP as surrogate
// pairs, and a NUL inside text. libmdb turns each surrogate into "?" and stops text at a
// NUL, so mdb-reader alone checks them; the other table must read alike everywhere.
TEST_P(Jet4RoundTrip, UnicodeBeyondThaiAndNulInsideText) {
    const std::string nul(1, '\0');
    const std::string unicode =
        "id,name,biography\n"
        "1,😀 สมชาย,\"emoji 👨‍👩‍👧 in a memo " +
        std::string(3000, 'x') +
        " 😀\"\n"
        "2,a" +
        nul + "b,ก" + nul +
        "ข\n"
        "3," +
        nul + ",\"" + std::string(70, 'y') + nul +
        "\"\n"
        "4,Ā ŀ 丈 (low byte 0),ĀĀĀ\n";
    const std::string plain = "id,name\n1,Ελληνικά ру́сский ไทย\n2,€ … – —\n";
    expectAllReadersAgree({{"unicode", unicode}, {"plain", plain}}, "", {"unicode"});
}

// A database password reads back as it was given; the tables still read as ever.
TEST_P(RoundTrip, PasswordKeptInTheHeader) {
    for (const std::string password : {"secret", "ลับสุดยอด 2567", "12345678901234567890"}) {
        SCOPED_TRACE(password);
        expectAllReadersAgree({{"family", "code,name\n1,สมชาย\n"}}, password);
    }
}

// A table definition counting other than the rows its pages hold, as a crash leaves it:
// readers still read every row, and mdb-reader reports the stale count.
TEST_P(RoundTrip, StaleRowCount) {
    const QString mdb =
        m_files.writeTables("stale.mdb", {{"family", "code\n1\n2\n3\n"}}, FileKind{GetParam(), ""});
    kinmora::testing::setRowCount(mdb, 3, 7);
    EXPECT_EQ(records(tool("mdb-export", {mdb, "family"})).size(), 4u);
    const auto run = mdbReader({mdb});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QJsonObject family =
        QJsonDocument::fromJson(run.out.toUtf8()).object()["family"].toObject();
    EXPECT_EQ(family["rowCount"].toInt(), 7);
    EXPECT_EQ(family["rows"].toArray().size(), 3);
}

INSTANTIATE_TEST_SUITE_P(EveryFormat, RoundTrip, testing::ValuesIn(kinmora::testing::kAllFormats),
                         testing::PrintToStringParamName());
INSTANTIATE_TEST_SUITE_P(Jet4, Jet4RoundTrip,
                         testing::Values(FileFormat::Access2000, FileFormat::Access2007),
                         testing::PrintToStringParamName());

}  // namespace
