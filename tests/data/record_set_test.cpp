// Record sets move, count, find by the program's criteria and read fields as Access does.
#include "data/engine.h"
#include "data/engine_error.h"
#include "data/family_queries.h"
#include "support/family_files.h"

#include <gtest/gtest.h>

namespace kinmora {
namespace {

class RecordSetTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_engine = Engine::open(
            m_files.write("family.mdb",
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
        {QStringLiteral("somsri"), 2},      // letter case does not matter
        {QStringLiteral("SOMSRI"), 2},
        {QStringLiteral("o'brien"), 3},     // an apostrophe is quoted, not a syntax error
        {QStringLiteral("กมล"), 5},
        {QStringLiteral("กมล "), 0},        // but spaces do
        {QStringLiteral("Som"), 0},
        {QStringLiteral("x' or name='กมล"), 0},  // quoting keeps a name from becoming a criterion
    };
    for (const Case& c : cases) {
        RecordSet rs = persons();
        rs.findFirst(criteria::nameEquals(c.name));
        EXPECT_EQ(rs.noMatch(), c.code == 0) << c.name.toStdString();
        if (c.code)
            EXPECT_EQ(rs.field(QStringLiteral("code")).toInt16(), c.code) << c.name.toStdString();
        rs.findFirst(criteria::nameEqualsSpaced(c.name));
        EXPECT_EQ(rs.noMatch(), c.code == 0) << c.name.toStdString();
    }
}

TEST_F(RecordSetTest, NamesakesFindTheFirstInNameOrder) {
    RecordSet rs = persons();
    rs.findFirst(criteria::nameEquals(QStringLiteral("สมชาย")));
    const int first = rs.field(QStringLiteral("code")).toInt16();
    // Whichever comes first in the record set's order is found, every time.
    rs.moveFirst();
    int firstInOrder = 0;
    for (; !rs.eof(); rs.moveNext())
        if (rs.field(QStringLiteral("name")).toText() == QStringLiteral("สมชาย")) {
            firstInOrder = rs.field(QStringLiteral("code")).toInt16();
            break;
        }
    EXPECT_EQ(first, firstInOrder);
}

TEST_F(RecordSetTest, FindsByCodeInBothWritings) {
    RecordSet rs = persons();
    rs.findFirst(criteria::codeEqualsTight(3));
    EXPECT_EQ(rs.field(QStringLiteral("NAME")).toText(), QStringLiteral("O'Brien"));
    rs.findFirst(criteria::codeEquals(5));
    EXPECT_EQ(rs.field(QStringLiteral("name")).toText(), QStringLiteral("กมล"));
}

TEST_F(RecordSetTest, AFailedFindLeavesTheCurrentRowAndSetsNoMatch) {
    RecordSet rs = persons();
    rs.findFirst(criteria::codeEquals(4));
    rs.findFirst(criteria::codeEquals(99));
    EXPECT_TRUE(rs.noMatch());
    EXPECT_EQ(rs.field(QStringLiteral("code")).toInt16(), 4);
    rs.findFirst(criteria::codeEquals(1));
    EXPECT_FALSE(rs.noMatch());
}

TEST_F(RecordSetTest, MovesCountsAndEnds) {
    RecordSet rs = persons();
    EXPECT_EQ(rs.recordCount(), 5);
    int rows = 0;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext())
        ++rows;
    EXPECT_EQ(rows, 5);
    EXPECT_THROW(rs.moveNext(), EngineError);
    EXPECT_THROW(rs.field(QStringLiteral("name")), EngineError);

    RecordSet empty = m_engine->openRecordset(queries::personByCode(42));
    EXPECT_TRUE(empty.eof());
    EXPECT_EQ(empty.recordCount(), 0);
    EXPECT_THROW(empty.moveFirst(), EngineError);
}

TEST_F(RecordSetTest, RecordSetsAreIndependentCursors) {
    RecordSet a = persons();
    RecordSet b = persons();
    a.findFirst(criteria::codeEquals(5));
    b.moveNext();
    EXPECT_EQ(a.field(QStringLiteral("code")).toInt16(), 5);
    b.findFirst(criteria::codeEquals(1));
    EXPECT_EQ(a.field(QStringLiteral("code")).toInt16(), 5);
}

TEST_F(RecordSetTest, RejectsWhatItCannotAnswer) {
    RecordSet rs = persons();
    EXPECT_THROW(rs.findFirst(QStringLiteral("nickname='x'")), EngineError);
    EXPECT_THROW(rs.findFirst(QStringLiteral("name='unterminated")), EngineError);
    EXPECT_THROW(rs.findFirst(QStringLiteral("name like 'x'")), EngineError);
    EXPECT_THROW(rs.field(QStringLiteral("nickname")), EngineError);
    rs.close();
    EXPECT_FALSE(rs.isOpen());
    EXPECT_THROW(rs.moveFirst(), EngineError);
}

TEST_F(RecordSetTest, NullNeverMatches) {
    RecordSet rs = persons();
    rs.findFirst(QStringLiteral("surname=''"));
    EXPECT_TRUE(rs.noMatch());
}

}  // namespace
}  // namespace kinmora
