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
        m_engine = Engine::open(m_files.write("family.mdb",
                                              "1,สมชาย,ใจดี,1,1950-01-01,,0,,0,0\n"
                                              "2,Somsri,,0,1955-01-01,,0,,0,0\n"
                                              "3,O'Brien,Kelly,1,1960-01-01,,0,,1,2\n"
                                              "4,สมชาย,มั่นคง,1,1940-01-01,,0,,0,0\n"
                                              "5,กมล,,0,,,0,,1,2\n"),
                                {QStringLiteral("family"), QStringLiteral("married")});
    }
    RecordSet persons() { return m_engine->openRecordset(queries::allPersons()); }

    testing::FamilyFiles m_files;
    std::unique_ptr<Engine> m_engine;
};

TEST_F(RecordSetTest, FindsByNameAsAccessComparesText) {
    struct Case {
        QString name;
        int code;  // 0: no match
    };
    const Case cases[] = {
        {QStringLiteral("somsri"), 2},  // letter case does not matter
        {QStringLiteral("SOMSRI"), 2},
        {QStringLiteral("o'brien"), 3},  // an apostrophe is quoted, not a syntax error
        {QStringLiteral("กมล"), 5},
        {QStringLiteral("กมล "), 0},  // but spaces do
        {QStringLiteral("Som"), 0},
        {QStringLiteral("x' or name='กมล"), 0},  // quoting keeps a name from becoming a criterion
    };
    for (const Case& c : cases) {
        RecordSet rs = persons();
        rs.findFirst(criteria::nameEquals(c.name));
        EXPECT_EQ(rs.noMatch(), c.code == 0) << c.name.toStdString();
        if (c.code) {
            EXPECT_EQ(rs.field(QStringLiteral("code")).toInt16(), c.code) << c.name.toStdString();
        }
        // The same criterion written as text.
        rs.findFirst(criteria::nameEquals(c.name).text());
        EXPECT_EQ(rs.noMatch(), c.code == 0) << c.name.toStdString();
    }
}

// Finds written as text; a failed one leaves the current row where it was.
TEST_F(RecordSetTest, TextCriteriaFindOrSayWhyNot) {
    struct Case {
        const char* criterion;
        int code;  // 0: no match; -1: refused
    };
    const Case cases[] = {
        {"surname=''", 0},  // Null never matches
        {"code= 3", 3},     // a find after a miss matches again
        {"code=99", 0},        {"[CODE] = 5", 5}, {"nickname='x'", -1}, {"name='unterminated", -1},
        {"name like 'x'", -1},
    };
    RecordSet rs = persons();
    for (const Case& c : cases) {
        rs.findFirst(criteria::codeEquals(4));
        const QString criterion = QString::fromUtf8(c.criterion);
        if (c.code < 0) {
            EXPECT_THROW(rs.findFirst(criterion), FamilyFileError) << c.criterion;
            continue;
        }
        rs.findFirst(criterion);
        EXPECT_EQ(rs.noMatch(), c.code == 0) << c.criterion;
        EXPECT_EQ(rs.field(QStringLiteral("code")).toInt16(), c.code ? c.code : 4) << c.criterion;
    }
    EXPECT_THROW(rs.field(QStringLiteral("nickname")), FamilyFileError);
    rs.close();
    EXPECT_FALSE(rs.isOpen());
    EXPECT_THROW(rs.moveFirst(), FamilyFileError);
}

TEST_F(RecordSetTest, MovesCountsAndEndsEachOnItsOwn) {
    RecordSet rs = persons();
    EXPECT_EQ(rs.recordCount(), 5);
    int rows = 0;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) ++rows;
    EXPECT_EQ(rows, 5);
    EXPECT_THROW(rs.moveNext(), FamilyFileError);
    EXPECT_THROW(rs.field(QStringLiteral("name")), FamilyFileError);

    RecordSet empty = m_engine->openRecordset(queries::personByCode(42));
    EXPECT_TRUE(empty.eof());
    EXPECT_EQ(empty.recordCount(), 0);
    EXPECT_THROW(empty.moveFirst(), FamilyFileError);

    // Record sets on one query are cursors of their own.
    RecordSet a = persons();
    RecordSet b = persons();
    a.findFirst(criteria::codeEquals(5));
    b.findFirst(criteria::codeEquals(1));
    EXPECT_EQ(a.field(QStringLiteral("code")).toInt16(), 5);
}

TEST(RecordSetFind, ScannedColumnsMatchAsIndexedOnesDo) {
    const auto table =
        std::make_shared<ResultTable>(QStringList{QStringLiteral("mixed"), QStringLiteral("text")},
                                      std::vector<Value>{
                                          Value::integer(7),
                                          Value::text(QStringLiteral("Somsri")),
                                          Value::text(QStringLiteral("Somsri")),
                                          Value::text(QStringLiteral("SOMCHAI")),
                                          Value::real(2.5),
                                          Value::null(),
                                          Value::text(QStringLiteral(" 12 ")),
                                          Value::text(QStringLiteral("somchai")),
                                      });
    struct Case {
        const char* criterion;
        int row;  // -1: no match
    };
    const Case cases[] = {
        {"mixed='SOMSRI'", 1}, {"text='SOMSRI'", 0}, {"mixed='somsri'", 1},
        {"text='somchai'", 1}, {"mixed=2.5", 2},     {"mixed=12", 3},
        {"mixed=7", 0},        {"mixed='x'", -1},    {"text=7", -1},
    };
    // Rounds on one record set: its first finds of a column scan, later
    // ones use the column's index, and both answer alike.
    RecordSet rs(table);
    for (int round = 0; round < 3; ++round)
        for (const Case& c : cases) {
            rs.findFirst(QString::fromUtf8(c.criterion));
            EXPECT_EQ(rs.noMatch(), c.row < 0) << c.criterion << " round " << round;
            if (c.row >= 0) {
                EXPECT_EQ(rs.value(0), table->at(c.row, 0)) << c.criterion;
            }
        }
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
