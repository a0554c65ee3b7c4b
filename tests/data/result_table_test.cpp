// A result whose rows are rows of a stored table reads them where the table
// keeps them, until a row comes whose cells SQLite would convert: then the
// rows so far are copied into cells, and read as before.
#include "data/result_table.h"

#include <gtest/gtest.h>

#include "support/qt_printers.h"

namespace kinmora {
namespace {

TEST(ResultTableTest, StoredRowsGiveWayToCopiesAtACellSqliteWouldConvert) {
    const auto table = std::make_shared<StoredTable>(TableSchema{
        QStringLiteral("t"),
        {{QStringLiteral("n"), ColumnType::Integer}, {QStringLiteral("d"), ColumnType::Date}}});
    table->append(std::vector{SqlCell::ofInteger(7), SqlCell::ofReal(1.5)});
    table->append(std::vector{SqlCell::ofInteger(8), SqlCell{}});
    // A number with a fraction in a whole-number column: SQLite reads it cut.
    table->append(std::vector{SqlCell::ofReal(2.5), SqlCell::ofInteger(3)});

    ResultTable result({QStringLiteral("d"), QStringLiteral("n")},
                       {std::make_shared<TextStore>(), std::make_shared<MemoStore>()});
    result.keepStoredRows({table, {1, 0}, {ColumnType::Date, ColumnType::Integer}});
    EXPECT_TRUE(result.appendStoredRow(1));
    EXPECT_TRUE(result.appendStoredRow(0));
    EXPECT_FALSE(result.appendStoredRow(2));
    result.copyStoredRows();
    result.appendDate(JetDate{3});
    result.appendInteger(2);

    ASSERT_EQ(result.rowCount(), 3);
    const std::vector<Value> expected{
        Value::null(),     Value::integer(8),       Value::date(JetDate{1.5}),
        Value::integer(7), Value::date(JetDate{3}), Value::integer(2)};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 2; ++column)
            EXPECT_EQ(result.at(row, column), expected[static_cast<std::size_t>(row * 2 + column)])
                << row << ", " << column;
}

}  // namespace
}  // namespace kinmora
