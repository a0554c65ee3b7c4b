// What the CSV writer produces is read back by kinmora-mkfamily's own table
// reader to the same values and types, including the cells the reader would
// otherwise skip or guess at.
#include "export/csv_table_writer.h"

#include <gtest/gtest.h>

#include <QBuffer>

#include "table_reader.h"

namespace kinmora {
namespace {

mkfamily::TableContent readBack(const TableSchema& schema, const ResultTable& rows) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    CsvTableWriter::write(schema, rows, buffer);
    return mkfamily::TableReader::read({"married", buffer.data().toStdString(), "married.csv"});
}

TEST(CsvTableWriterTest, AOneColumnTableKeepsItsNullRows) {
    // A record of one empty cell would be a blank line, which the reader skips.
    const TableSchema schema{QStringLiteral("married"),
                             {{QStringLiteral("fathercode"), ColumnType::Integer, 2}}};
    ResultTable rows{{QStringLiteral("fathercode")},
                     {Value::null(), Value::integer(5), Value::null()}};
    const mkfamily::TableContent table = readBack(schema, rows);
    ASSERT_EQ(table.rows.size(), 3u);
    EXPECT_EQ(table.columns[0].type, mkfamily::ColumnType::Integer);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(table.rows[0][0]));
    EXPECT_EQ(std::get<std::int32_t>(table.rows[1][0]), 5);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(table.rows[2][0]));
}

TEST(CsvTableWriterTest, TypesAreNamedSoThatNothingIsGuessed) {
    // All Null, a date column would be guessed to be text and a number column long.
    const TableSchema schema{QStringLiteral("married"),
                             {{QStringLiteral("a"), ColumnType::Date, 0},
                              {QStringLiteral("b"), ColumnType::Integer, 2},
                              {QStringLiteral("c"), ColumnType::Integer, 4},
                              {QStringLiteral("d,\"e\""), ColumnType::Memo, 0}}};
    ResultTable rows{
        {"a", "b", "c", "d"},
        {Value::null(), Value::null(), Value::null(), Value::text(QStringLiteral("1,\"2\"\n3"))}};
    const mkfamily::TableContent table = readBack(schema, rows);
    ASSERT_EQ(table.columns.size(), 4u);
    EXPECT_EQ(table.columns[0].type, mkfamily::ColumnType::DateTime);
    EXPECT_EQ(table.columns[1].type, mkfamily::ColumnType::Integer);
    EXPECT_EQ(table.columns[2].type, mkfamily::ColumnType::LongInteger);
    EXPECT_EQ(table.columns[3].type, mkfamily::ColumnType::Memo);
    EXPECT_EQ(table.columns[3].name, "d,\"e\"");
    EXPECT_EQ(std::get<std::string>(table.rows[0][3]), "1,\"2\"\n3");
}

}  // namespace
}  // namespace kinmora
