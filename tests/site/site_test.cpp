// Who is living, the site's data scripts, and the folder the site replaces.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "data/family_database.h"
#include "data/jet_date.h"
#include "data/living_rule.h"
#include "site/family_site_data.h"
#include "site/family_site_writer.h"
#include "site/json_text.h"
#include "support/family_files.h"

namespace kinmora {
namespace {

Value dateValue(int y, int m, int d) {
    return Value::date(jetDateFromDateTime(QDateTime(QDate(y, m, d), QTime(0, 0))));
}

TEST(LivingRuleTest, LivingIsNotDeadWithNoDeathAndBornUnderAHundredYearsAgo) {
    const LivingRule names(LivingDetails::Names, QDate(2026, 12, 7)),
        full(LivingDetails::Full, QDate(2026, 12, 7));
    const Value yes = Value::boolean(true), no = Value::boolean(false), null;
    struct Case {
        const char* what;
        Value still, die, born;
        bool living;
    } cases[] = {
        {"nothing known", no, null, null, true},
        {"still Null", null, null, null, true},
        {"born 1985", no, null, dateValue(1985, 3, 17), true},
        {"born a day under 100 years ago", no, null, dateValue(1926, 12, 8), true},
        {"born exactly 100 years ago", no, null, dateValue(1926, 12, 7), false},
        {"born 1921", no, null, dateValue(1921, 11, 30), false},
        {"marked dead, no date", yes, null, dateValue(1985, 1, 1), false},
        {"died", no, dateValue(2020, 1, 1), dateValue(1985, 1, 1), false},
        {"born holds text", no, null, Value::text(QStringLiteral("1900")), true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(names.isLiving(c.still, c.die, c.born), c.living) << c.what;
        EXPECT_EQ(names.hides(c.still, c.die, c.born), c.living) << c.what;
        EXPECT_FALSE(full.hides(c.still, c.die, c.born)) << c.what;
    }
    EXPECT_EQ(livingDetailsNamed(QStringLiteral("names")), LivingDetails::Names);
    EXPECT_EQ(livingDetailsNamed(QStringLiteral("full")), LivingDetails::Full);
    EXPECT_FALSE(livingDetailsNamed(QStringLiteral("Names")));
}

TEST(JsonTextTest, StringsReadBackAndCannotEndAScript) {
    for (const QString& text :
         {QStringLiteral("ทองดี"), QStringLiteral("a\"b\\c\nd\te\r"), QStringLiteral("</script>"),
          QString(QChar(0x2028)) + QChar(0x2029) + QChar(1), QString::fromUtf8("ก😀é/"),
          QString()}) {
        QByteArray json = "[";
        JsonText::appendString(json, text);
        json += "]";
        EXPECT_FALSE(json.contains("</")) << json.constData();
        EXPECT_FALSE(json.contains("\xE2\x80\xA8")) << json.constData();
        EXPECT_EQ(QJsonDocument::fromJson(json).array().at(0).toString(), text);
    }
}

// A dead founder and a living daughter with a biography.
class FamilySiteTest : public ::testing::Test {
protected:
    FamilySiteData data(LivingDetails details) {
        return FamilySiteData(*m_db, LivingRule(details, m_now.date()), m_now,
                              QStringLiteral("family.mdb"));
    }
    testing::FamilyFiles m_files;
    std::unique_ptr<FamilyDatabase> m_db =
        FamilyDatabase::open(m_files.write("family.mdb",
                                           "1,ทองดี,ศรีสุข,1,1880-03-12,1950-07-01,1,ชาวนา,0,0\n"
                                           "2,ลับ,ศรีสุข,0,1985-03-17,,0,ประวัติลับ,1,0\n"));
    const QDateTime m_now{QDate(2026, 12, 7), QTime(10, 0)};
};

TEST_F(FamilySiteTest, NamesLeaveOutTheDatesAgeAndBiographyOfTheLivingOnly) {
    const FamilySiteData names = data(LivingDetails::Names), full = data(LivingDetails::Full);
    const auto object = [](const FamilySiteData& data) {  // the script's one JSON object
        QByteArray script = data.familyScript();
        script = script.mid(script.indexOf('{'));
        script.chop(script.size() - script.lastIndexOf('}') - 1);
        return QJsonDocument::fromJson(script).object();
    };
    const QJsonObject n = object(names), f = object(full);
    EXPECT_EQ(n.value("hidden").toString(), "01");
    EXPECT_EQ(f.value("hidden").toString(), "00");
    EXPECT_EQ(n.value("born").toArray().at(0).toString(), "12/03/2423");
    EXPECT_EQ(n.value("age").toArray().at(1).toString(), "");
    EXPECT_EQ(f.value("born").toArray().at(1).toString(), "17/03/2528");
    EXPECT_EQ(f.value("age").toArray().at(1).toString(), "อายุ 41  ปี  265  วัน");
    // The order of births stays, so kinship terms can still say who is elder.
    EXPECT_EQ(n.value("bornOrder"), f.value("bornOrder"));
    EXPECT_FALSE(names.noteScript(0).contains(QByteArray("ประวัติลับ")));
    EXPECT_TRUE(names.noteScript(0).contains(QByteArray("ชาวนา")));
    EXPECT_TRUE(full.noteScript(0).contains(QByteArray("ประวัติลับ")));
    for (const QByteArray& text : {QByteArray("2528"), QByteArray("1985")})
        EXPECT_FALSE(names.familyScript().contains(text)) << text.constData();
}

TEST_F(FamilySiteTest, TheFolderIsReplacedOnlyWhenItIsASiteAndTheWholeSiteIsWritten) {
    const FamilySiteData site = data(LivingDetails::Names);
    const QString dir = m_files.path("site");
    FamilySiteWriter::write(dir, site);
    EXPECT_TRUE(QFile::exists(dir + "/index.html"));
    EXPECT_TRUE(QFile::exists(dir + "/data/notes-0.js"));
    QFile(dir + "/stale.txt").open(QIODevice::WriteOnly);

    EXPECT_THROW(FamilySiteWriter::write(dir, site, [](qint64 done, qint64) { return done < 3; }),
                 ExportCancelled);
    EXPECT_TRUE(QFile::exists(dir + "/stale.txt")) << "a cancelled site left the old one";
    FamilySiteWriter::write(dir, site);
    EXPECT_FALSE(QFile::exists(dir + "/stale.txt")) << "the new site replaces the old";
    EXPECT_EQ(QDir(m_files.path("")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList({"family.mdb", "site"}))
        << "no folder is left behind";

    // A folder of other files is never replaced.
    const QString other = m_files.path("photos");
    QDir().mkpath(other);
    QFile(other + "/holiday.jpg").open(QIODevice::WriteOnly);
    EXPECT_THROW(FamilySiteWriter::write(other, site), std::runtime_error);
    EXPECT_TRUE(QFile::exists(other + "/holiday.jpg"));
    EXPECT_THROW(FamilySiteWriter::write(m_files.path("family.mdb"), site), std::runtime_error);
}

}  // namespace
}  // namespace kinmora
