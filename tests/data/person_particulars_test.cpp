// The personal information window's texts and the Search command's hit lines,
// worked out from real family files.
#include "data/person_particulars.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QTime>

#include "data/family_database.h"
#include "data/jet_date.h"
#include "data/name_search.h"
#include "support/family_files.h"

namespace kinmora {
namespace {

JetDate day(int year, int month, int dayOfMonth, QTime time = QTime(0, 0)) {
    return jetDateFromDateTime(QDateTime(QDate(year, month, dayOfMonth), time, Qt::UTC));
}

QString age(int years, int days) {
    return QStringLiteral("อายุ %1  ปี  %2  วัน").arg(years).arg(days);
}

// A moment of the present for living persons, with a time of day.
const QDateTime kNow(QDate(2024, 6, 15), QTime(13, 45));

TEST(DateAndAgeText, AgeCountsYearsOf365AndAQuarterDaysRoundedDown) {
    struct Case {
        JetDate born, end;
        int years, days;
    };
    const Case cases[] = {
        {day(2000, 2, 29), day(2001, 2, 28), 0, 365},
        // floor, not truncation: -10 days is -1 year and 355 days
        {day(1977, 3, 15), day(1977, 3, 5), -1, 355},
        // real elapsed days across 1899-12-30, where Access's own numbering turns
        {day(1899, 12, 1), day(1900, 3, 1), 0, 90},
        // the present moment carries the time of day
        {day(2000, 1, 1), day(2001, 1, 1, QTime(5, 59)), 1, 0},
        {day(2000, 1, 1), day(2001, 1, 1, QTime(6, 0)), 1, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ageText(c.born, c.end), age(c.years, c.days)) << c.born.days;
    // A date is day, month and Buddhist year, whatever the time of day.
    EXPECT_EQ(dateText(day(2024, 12, 31)), QStringLiteral("31/12/2567"));
    EXPECT_EQ(dateText(day(1977, 3, 5, QTime(23, 59, 59, 999))), QStringLiteral("05/03/2520"));
    EXPECT_EQ(dateText(day(1850, 6, 15, QTime(18, 0))), QStringLiteral("15/06/2393"));
}

// code,name,surname,sex,born,die,still,biography,fathercode,mothercode
const char kFamily[] =
    "1,สมชาย,ใจดี,1,1950-01-02,,0,ชาวนา,0,0\n"
    "2,สมศรี,,0,1952-05-03,2010-01-01,0,,0,0\n"
    "3,มานะ,ใจดี,1,1977-03-05,,0,ลูกคนแรก,1,2\n"
    "4,ไม่ทราบเกิดตาย,,0,,,1,,0,0\n"
    "5,ไม่ทราบเกิดอยู่,,0,,,0,,0,0\n"
    "6,ไม่ทราบเกิดตายแล้ว,,1,,2000-01-01,1,,0,0\n"
    "9,ตายไม่มีวัน,,1,2000-01-01,,1,,0,0\n"
    "10,ยังอยู่,,1,2000-01-01,,0,,0,0\n"
    "12,พ่อไม่มีตัว,,1,,,0,,99,0\n"
    "13,O'Brien,Smith,1,,,0,,0,0\n"
    "16,รหัสเสีย,,1,,,0,,,\n"
    "19,,ไร้ชื่อใจดี,1,,,0,,0,0\n";

class ParticularsTest : public ::testing::Test {
protected:
    void SetUp() override { m_db = FamilyDatabase::open(m_files.write("family.mdb", kFamily)); }

    std::optional<PersonParticulars> load(const QString& name) {
        return loadParticulars(m_db->persons(), name, kNow);
    }
    PersonParticulars loaded(const QString& name) {
        auto p = load(name);
        EXPECT_TRUE(p.has_value()) << name.toStdString();
        return p.value_or(PersonParticulars{});
    }
    QString current(const char* field) {
        return m_db->persons().field(QLatin1String(field)).toText();
    }

    testing::FamilyFiles m_files;
    std::unique_ptr<FamilyDatabase> m_db;
};

// Every text of a person is the personal information window's and
// kinmora-cli person's to check; here, what neither shows.
TEST_F(ParticularsTest, NullTextsAndTheSexReadAsTheWindowShowsThemAndThePersonStaysCurrent) {
    EXPECT_EQ(loaded(QStringLiteral("มานะ")).father, QStringLiteral("สมชาย   ใจดี"));
    EXPECT_EQ(current("code"), QStringLiteral("3"));  // not the last parent looked up
    const PersonParticulars mother = loaded(QStringLiteral("สมศรี"));
    EXPECT_EQ(mother.sex, QStringLiteral("หญิง"));
    EXPECT_EQ(mother.surname, QString());
    EXPECT_EQ(mother.biography, QStringLiteral(" "));  // a Null biography
}

TEST_F(ParticularsTest, BornDieAndStillCombineAsTheTableSays) {
    struct Case {
        const char* name;
        QString born, died, age;
    };
    const QString& unknown = kUnknownDate;
    const Case cases[] = {
        {"ไม่ทราบเกิดตาย", unknown, unknown, ""},
        {"ไม่ทราบเกิดอยู่", unknown, "", ""},
        {"ไม่ทราบเกิดตายแล้ว", unknown, "01/01/2543", ""},
        {"สมศรี", "03/05/2495", "01/01/2553", age(57, 242)},  // died though not marked so
        {"ตายไม่มีวัน", "01/01/2543", unknown, ""},
        {"ยังอยู่", "01/01/2543", "", age(24, 166)},
    };
    for (const Case& c : cases) {
        const PersonParticulars p = loaded(QString::fromUtf8(c.name));
        EXPECT_EQ(QStringList({p.born, p.died, p.age}), QStringList({c.born, c.died, c.age}))
            << c.name;
    }
}

// Access keeps Yes/No without Null; a file whose `sex` and `still` are number
// columns can hold Null in them.
TEST(ParticularsNullFlags, NullSexIsFemaleNullStillGivesNoAgeAndOutOfRangeCodesNoParent) {
    testing::FamilyFiles files;
    const QString path = files.writeTables(
        "flags.mdb", {{"family",
                       "code,name,surname,sex:long,born,die,still:long,biography,fathercode:long,"
                       "mothercode:long\n"
                       "1,สถานะว่าง,,,2000-01-01,,,,40000,-40000\n"
                       "2,ยังอยู่,,-1,2000-01-01,,0,,1,70000\n"},
                      {"married", testing::kMarriedHeader}});
    auto db = FamilyDatabase::open(path);
    const auto texts = [&](const QString& name) {
        const PersonParticulars p = loadParticulars(db->persons(), name, kNow).value();
        return QStringList({p.sex, p.died, p.age, p.father, p.mother});
    };
    // Codes out of the 16-bit range name no parent.
    EXPECT_EQ(texts(QStringLiteral("สถานะว่าง")),
              QStringList({QStringLiteral("หญิง"), "", "", kNoParent, kNoParent}));
    EXPECT_EQ(texts(QStringLiteral("ยังอยู่")),
              QStringList({QStringLiteral("ชาย"), "", age(24, 166), QStringLiteral("สถานะว่าง   "),
                           kNoParent}));
}

// A parent code of 0, of nobody (99) or Null names no parent; a miss moves nothing.
TEST_F(ParticularsTest, NoParentGivesABlankLabelAndNamesMatchAsTheEngineDoes) {
    EXPECT_TRUE(kNoParent.trimmed().isEmpty());
    for (const char* name : {"สมชาย", "พ่อไม่มีตัว", "รหัสเสีย"}) {
        const PersonParticulars p = loaded(QString::fromUtf8(name));
        EXPECT_EQ(QStringList({p.father, p.mother}), QStringList({kNoParent, kNoParent})) << name;
    }
    EXPECT_EQ(current("code"), QStringLiteral("16"));
    EXPECT_EQ(loaded(QStringLiteral("o'brien")).surname, QStringLiteral("Smith"));
    for (const QString& miss : {QStringLiteral("O'"), QStringLiteral("ไม่มีใคร"), QString()})
        EXPECT_FALSE(load(miss).has_value()) << miss.toStdString();
    EXPECT_EQ(current("code"), QStringLiteral("13"));
}

// The Search command's walk over the person record set: hits come in its
// order (no name first, then ม before ส), the walk ends past the last person;
// a Null part is empty text around the gap, and containment is exact and
// minds letter case.
TEST_F(ParticularsTest, SearchListsHitsInRecordSetOrderAsTheyAreWritten) {
    const QString gap(10, QLatin1Char(' '));
    const auto hits = [&](const QString& search) { return searchHits(m_db->persons(), search); };
    EXPECT_EQ(hits(QStringLiteral("ใจ")),
              QStringList({gap + QStringLiteral("ไร้ชื่อใจดี"),
                           QStringLiteral("มานะ") + gap + QStringLiteral("ใจดี"),
                           QStringLiteral("สมชาย") + gap + QStringLiteral("ใจดี")}));
    EXPECT_TRUE(m_db->persons().atEnd());
    EXPECT_EQ(hits(QStringLiteral("สมศรี")), QStringList{QStringLiteral("สมศรี") + gap});
    EXPECT_EQ(hits(QStringLiteral("O'Brien") + gap + QStringLiteral("Smith")).size(), 1);
    EXPECT_TRUE(hits(QStringLiteral("o'brien")).isEmpty());
    EXPECT_TRUE(hits(QStringLiteral("Brien Smith")).isEmpty());  // the gap is ten spaces
    EXPECT_EQ(hits(gap).size(), 12);                             // every person once
    EXPECT_TRUE(hits(QStringLiteral("ไม่มีใคร")).isEmpty());
}

}  // namespace
}  // namespace kinmora
