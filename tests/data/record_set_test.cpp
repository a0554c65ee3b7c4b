// Record sets move, count, find by the program's criteria and read fields as Access does.
#include <gtest/gtest.h>

#include "data/engine.h"
#include "data/family_file_error.h"
#include "data/family_queries.h"
#include "support/family_files.h"

namespace kinmora {
namespace {

class RecordSetTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_engine =
            Engine::open(m_files.write("family.mdb",
                                       testing::personRows("1 ก m - 0 0 | 2 ข f - 0 0 | 3 ค m - 1 2"
                                                           "| 4 ง m - 0 0 | 5 จ f - 1 2")),
                         {QStringLiteral("family"), QStringLiteral("married")});
    }
    RecordSet persons() { return m_engine->recordSet(queries::allPersons()); }

    testing::FamilyFiles m_files;
    std::unique_ptr<Engine> m_engine;
};

TEST_F(RecordSetTest, MovesCountsAndEndsEachOnItsOwn) {
    RecordSet rs = persons();
    EXPECT_EQ(rs.recordCount(), 5);
    int rows = 0;
    for (rs.first(); !rs.atEnd(); rs.next()) ++rows;
    EXPECT_EQ(rows, 5);
    EXPECT_THROW(rs.next(), FamilyFileError);
    EXPECT_THROW(rs.field(QStringLiteral("name")), FamilyFileError);

    RecordSet empty = m_engine->recordSet(queries::personByCode(42));
    EXPECT_TRUE(empty.atEnd());
    EXPECT_EQ(empty.recordCount(), 0);
    EXPECT_THROW(empty.first(), FamilyFileError);

    // Record sets on one query are cursors of their own.
    RecordSet a = persons();
    RecordSet b = persons();
    a.findFirst(criteria::codeEquals(5));
    b.findFirst(criteria::codeEquals(1));
    EXPECT_EQ(a.field(QStringLiteral("code")).toInt16(), 5);
    EXPECT_THROW(a.field(QStringLiteral("nickname")), FamilyFileError);
    EXPECT_THROW(a.value(-1), FamilyFileError);
    EXPECT_THROW(a.value(a.fieldIndex(QStringLiteral("nickname"))), FamilyFileError);
    EXPECT_THROW(a.value(99), FamilyFileError);
    a.close();
    EXPECT_FALSE(a.isOpen());
    EXPECT_THROW(a.first(), FamilyFileError);
}

TEST(RecordSetFind, ScannedColumnsMatchAsIndexedOnesDo) {
    const auto text = [](const char* s) { return Value::text(QString::fromUtf8(s)); };
    // Two columns, five rows.
    const auto table = std::make_shared<ResultTable>(
        QStringList{QStringLiteral("mixed"), QStringLiteral("text")},
        std::vector<Value>{Value::integer(7), text("Somsri"), text("Somsri"), text("SOMCHAI"),
                           Value::real(2.5), Value::null(), text(" 12 "), text("somchai"),
                           text("Éloïse"), text("STRASSE")});
    // Each criterion with the row it finds, -1 for none.
    const std::pair<Criterion, int> cases[] = {
        {{"mixed", text("SOMSRI")}, 1},
        {{"text", text("SOMSRI")}, 0},
        {{"mixed", text("somsri")}, 1},
        {{"text", text("somchai")}, 1},
        {{"mixed", Value::real(2.5)}, 2},
        {{"mixed", Value::integer(12)}, 3},
        {{"mixed", Value::integer(7)}, 0},
        {{"mixed", text("x")}, -1},
        {{"text", Value::integer(7)}, -1},
        // Latin names beyond ASCII, as a code page 1252 family holds them.
        {{"mixed", text("ÉLOÏSE")}, 4},
        {{"text", text("strasse")}, 4},
    };
    // Rounds on one record set: its first finds of a column scan, later
    // ones use the column's index, and both answer alike.
    RecordSet rs(table);
    for (int round = 0; round < 3; ++round)
        for (const auto& [criterion, row] : cases) {
            EXPECT_EQ(rs.findFirst(criterion), row >= 0)
                << criterion.text().toStdString() << " round " << round;
            if (row >= 0) {
                EXPECT_EQ(rs.value(0), table->at(row, 0)) << criterion.text().toStdString();
            }
        }
    // A criterion on a field the record set lacks says which, quotes and all.
    try {
        rs.findFirst({QStringLiteral("nickname"), text("O'Neil")});
        ADD_FAILURE() << "found on a missing field";
    } catch (const FamilyFileError& e) {
        EXPECT_TRUE(e.reason().contains(QStringLiteral("nickname='O''Neil'")))
            << e.reason().toStdString();
    }
    EXPECT_THROW(rs.findFirst({QStringLiteral("age"), Value::integer(3)}), FamilyFileError);
}

TEST(CriterionMatches, TextWithoutRegardToCaseNumbersByValueNullNever) {
    const Criterion name{QStringLiteral("name"), Value::text(QStringLiteral("Somsri"))};
    EXPECT_TRUE(name.matches(Value::text(QStringLiteral("SOMSRI"))));
    EXPECT_TRUE(name.matches(Value::text(QStringLiteral("somsri"))));
    EXPECT_FALSE(name.matches(Value::text(QStringLiteral("Somsri "))));
    EXPECT_FALSE(name.matches(Value::null()));
    const Criterion code{QStringLiteral("code"), Value::integer(12)};
    EXPECT_TRUE(code.matches(Value::real(12.0)));
    EXPECT_TRUE(code.matches(Value::text(QStringLiteral(" 12"))));
    EXPECT_FALSE(code.matches(Value::integer(13)));
}

}  // namespace
}  // namespace kinmora
