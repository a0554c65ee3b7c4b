// The engine answers the program's query texts with the rows and orders Access gives.
#include "data/engine.h"

#include <gtest/gtest.h>

#include "data/family_queries.h"
#include "data/jet_date.h"
#include "support/family_files.h"

namespace kinmora {
namespace {

class EngineTest : public ::testing::Test {
protected:
    void open(const std::string& family) {
        m_engine = Engine::open(m_files.write("family.mdb", family),
                                {QStringLiteral("family"), QStringLiteral("married")});
    }
    // One field of every row the query gives, in its order.
    QStringList column(const Query& query, const char* field = "name") {
        RecordSet rs = m_engine->recordSet(query);
        QStringList values;
        for (; !rs.atEnd(); rs.next()) values << rs.field(QLatin1String(field)).toText();
        return values;
    }
    QStringList column(const QString& sql, const char* field = "name") {
        return column(Query{sql, {}}, field);
    }
    testing::FamilyFiles m_files;
    std::unique_ptr<Engine> m_engine;
};

// Thai names come first, as in a Thai dictionary (a leading vowel does not
// decide), Latin ones after, case aside; a literal compares so too.
TEST_F(EngineTest, NamesSortInThaiDictionaryOrderWithoutRegardToLatinCase) {
    open(
        "1,ขวัญ,ใจดี,1,,,0,,0,0\n"
        "2,เกศ,,0,,,0,,0,0\n"
        "3,กมล,ใจดี,1,,,0,,0,0\n"
        "4,ไก่,,1,,,0,,0,0\n"
        "5,bob,,1,,,0,,0,0\n"
        "6,Alice,,0,,,0,,0,0\n"
        "7,Carol,,0,,,0,,0,0\n");
    EXPECT_EQ(column(queries::allPersons()),
              (QStringList{"กมล", "เกศ", "ไก่", "ขวัญ", "Alice", "bob", "Carol"}));
    EXPECT_EQ(column("Select * from family where name = 'alice'", "code"), QStringList{"6"});
}

TEST_F(EngineTest, BirthOrderPutsUnknownBirthsFirst) {
    open(testing::personRows(
        "1 พ่อ m - 0 0 | 2 ลูกสาม m 1960-05-01 1 0 | 3 ลูกหนึ่ง f 1950 1 0 | 4 ไม่ทราบ f - 1 0"
        "| 5 ลูกสอง m 1955-03-03 1 0"));
    EXPECT_EQ(column(queries::childrenOfFather(1)),
              (QStringList{"ไม่ทราบ", "ลูกหนึ่ง", "ลูกสอง", "ลูกสาม"}));
}

TEST_F(EngineTest, ChildrenQueriesBindAndTighterThanOr) {
    open(
        testing::personRows("1 พ่อ m - 0 0 | 2 แม่ f - 0 0 | 3 คู่ m 1990 1 2 | 4 กลับด้าน f 1991 2 1"
                            "| 5 แม่ไม่ทราบ m 1992 1 0 | 6 พ่อไม่ทราบ f 1993 0 1 | 7 แม่อื่น f 1994 1 9"));
    EXPECT_EQ(column(queries::childrenOfCouple(1, 2)), (QStringList{"คู่", "กลับด้าน"}));
    EXPECT_EQ(column(queries::childrenOfOneParent(1)), (QStringList{"แม่ไม่ทราบ", "พ่อไม่ทราบ"}));
    EXPECT_EQ(column(queries::childrenOfMother(1)), (QStringList{"กลับด้าน", "พ่อไม่ทราบ"}));
}

TEST_F(EngineTest, LookUpsByNumberFindWhatEqualityMeans) {
    open(
        "5,ก,,1,1950-01-01,,0,,0,0\n"
        "7,ข,,1,,,0,,0,0\n"
        ",ค,,1,,,0,,0,0\n"
        "5,ง,,1,1940-01-01,,0,,0,0\n");
    const auto codes = [&](const char* where) {
        return column(QStringLiteral("Select * from family where %1").arg(QLatin1String(where)));
    };
    EXPECT_EQ(column(queries::personByCode(5)), (QStringList{"ง", "ก"}));
    EXPECT_EQ(codes("code = 5"), (QStringList{"ก", "ง"}));
    EXPECT_EQ(codes("code = 5.0"), (QStringList{"ก", "ง"}));
    EXPECT_EQ(codes("code = '5'"), (QStringList{"ก", "ง"}));
    EXPECT_EQ(codes("code in (7, 5)"), (QStringList{"ก", "ง", "ข"}));
    EXPECT_EQ(codes("code = 5.5"), QStringList{});
    EXPECT_EQ(codes("code = 6"), QStringList{});
    EXPECT_EQ(codes("code = null"), QStringList{});
    EXPECT_EQ(codes("code is null"), QStringList{"ค"});
}

TEST_F(EngineTest, ChildrenBornAlikeComeByTheOtherParentThenFileOrder) {
    // Unknown births tie; the look-up by one parent gives them by the other
    // parent's code, and the birth order sort keeps that.
    open(testing::personRows(
        "1 พ่อ m - 0 0 | 2 แม่สอง f - 0 0 | 3 ลูกแม่เก้า m - 1 9 | 4 ลูกแม่สองก m - 1 2"
        "| 5 ลูกไม่ทราบแม่ f - 1 - | 6 ลูกแม่สองข f - 1 2 | 7 ลูกแม่สองพ่ออื่น f - 8 2"));
    EXPECT_EQ(column(queries::childrenOfFather(1)),
              (QStringList{"ลูกไม่ทราบแม่", "ลูกแม่สองก", "ลูกแม่สองข", "ลูกแม่เก้า"}));
    EXPECT_EQ(column(queries::childrenOfMother(2)),
              (QStringList{"ลูกแม่สองก", "ลูกแม่สองข", "ลูกแม่สองพ่ออื่น"}));
}

TEST_F(EngineTest, NameOrderPutsNoNameFirstAndNamesakesInFileOrder) {
    open(
        "1,ข,หนึ่ง,1,,,0,,0,0\n"
        "2,,ไม่มีชื่อ,1,,,0,,0,0\n"
        "3,ก,,1,,,0,,0,0\n"
        "4,ข,สอง,1,,,0,,0,0\n");
    EXPECT_EQ(column(queries::allPersons(), "code"), (QStringList{"2", "3", "1", "4"}));
    EXPECT_EQ(column("Select * from family order by name desc, code", "code"),
              (QStringList{"1", "4", "3", "2"}));
}

TEST_F(EngineTest, AColumnAddedLaterReadsNullInEveryQuery) {
    open("1,ก,,1,,,0,,0,0\n2,ข,,0,,,0,,0,0\n");
    EXPECT_EQ(column(queries::personByCode(2)), QStringList{"ข"});
    EXPECT_TRUE(m_engine->addMissingColumn(QStringLiteral("family"),
                                           {QStringLiteral("nickname"), ColumnType::Text}));
    EXPECT_FALSE(m_engine->addMissingColumn(QStringLiteral("family"),
                                            {QStringLiteral("NICKNAME"), ColumnType::Text}));
    // The statement prepared before the column came still answers, with it.
    RecordSet rs = m_engine->recordSet(queries::personByCode(2));
    EXPECT_EQ(rs.field(QStringLiteral("name")).toText(), QStringLiteral("ข"));
    EXPECT_TRUE(rs.field(QStringLiteral("nickname")).isNull());
    EXPECT_EQ(column("Select * from family where nickname is null", "code"),
              (QStringList{"1", "2"}));
}

// Fields read as their Access types, names in any letter case, and dates
// exactly on both sides of 1899-12-30, where the day count turns negative.
TEST_F(EngineTest, FieldsReadAsTheirAccessTypes) {
    open(
        "7,สมหญิง,,0,1977-03-05 13:45:00,,1,,0,0\n"
        "8,สมชาย,ใจดี,1,,2001-02-03,0,ประวัติ,7,0\n"
        "1,ก,,1,1880-03-12 06:00:00,,0,,0,0\n"
        "2,ข,,1,1899-12-29 18:00:00,,0,,0,0\n"
        "3,ค,,1,1899-12-30,,0,,0,0\n");
    RecordSet rs = m_engine->recordSet(queries::personByCode(7));
    EXPECT_EQ(rs.field(QStringLiteral("code")), Value::integer(7));
    EXPECT_TRUE(rs.field(QStringLiteral("biography")).isNull());
    EXPECT_TRUE(rs.field(QStringLiteral("die")).isNull());
    EXPECT_EQ(rs.field(QStringLiteral("sex")), Value::boolean(false));
    EXPECT_EQ(rs.field(QStringLiteral("still")), Value::boolean(true));
    RecordSet other = m_engine->recordSet(QStringLiteral("Select * from FAMILY where CODE = 8"));
    EXPECT_EQ(other.field(QStringLiteral("SURNAME")).toText(), QStringLiteral("ใจดี"));
    EXPECT_EQ(other.field(QStringLiteral("Biography")).toText(), QStringLiteral("ประวัติ"));
    EXPECT_EQ(other.field(QStringLiteral("Fathercode")).toInt16(), 7);
    QStringList born;
    RecordSet dated = m_engine->recordSet(
        QStringLiteral("Select * from family where born is not null order by born"));
    for (; !dated.atEnd(); dated.next())
        born << jetDateToDateTime(dated.field(QStringLiteral("born")).toDate())
                    .toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    EXPECT_EQ(born, (QStringList{"1880-03-12 06:00", "1899-12-29 18:00", "1899-12-30 00:00",
                                 "1977-03-05 13:45"}));
}

// A query whose rows are rows of one table reads them where the engine keeps
// them; one that SQLite sorts, or whose rows repeat, copies their cells.
// Both read alike, whatever the kind of value.
TEST_F(EngineTest, RowsReadAlikeWhetherKeptInPlaceOrCopied) {
    open(
        "3,ค,ใจดี,1,1950-01-02 06:00:00,1999-12-31,0,ชีวิตยาว,0,0\n"
        "1,ก,,0,,,1,,3,0\n"
        "1,ก,,0,,,1,,3,0\n"
        ",ข,ดี,1,1960-01-01,,0,บันทึก,1,2\n");
    const auto rows = [&](const char* sql) {
        const auto table = m_engine->query(QString::fromUtf8(sql));
        QStringList read;
        for (int row = 0; row < table->rowCount(); ++row) {
            QStringList fields;
            for (int column = 0; column < table->columns.size(); ++column) {
                const Value value = table->at(row, column);
                fields << QString::number(static_cast<int>(value.kind())) + u':' + value.toText();
            }
            read << fields.join(u'|');
        }
        return read;
    };
    // Two sort keys: SQLite sorts, and every row is copied.
    EXPECT_EQ(rows("select * from family order by name"),
              rows("select * from family order by name, code"));
    EXPECT_EQ(rows("select code, surname, name from family order by name"),
              rows("select code, surname, name from family order by name, code"));
    // The second row of ก is read and left out on the way to ข.
    EXPECT_EQ(rows("select distinct * from family order by name"),
              rows("select distinct * from family order by name, code"));
    EXPECT_EQ(rows("select distinct * from family order by name").size(), 3);
}

}  // namespace
}  // namespace kinmora
