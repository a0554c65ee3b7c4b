// The exports: the GEDCOM records of small family files, and long texts as a
// reader must see them; the CSV writer's tables read back by kinmora-mkfamily's
// reader; who is living; the site's data scripts, and the folder it replaces.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>

#include "data/family_database.h"
#include "data/jet_date.h"
#include "data/living_rule.h"
#include "export/csv_table_writer.h"
#include "export/family_csv_export.h"
#include "export/gedcom_text.h"
#include "export/gedcom_writer.h"
#include "site/family_site_data.h"
#include "site/family_site_writer.h"
#include "site/json_text.h"
#include "support/family_files.h"
#include "table_reader.h"

namespace kinmora {
namespace {

// The lines of each record, keyed by its first line ("0 @I5@ INDI").
QMap<QString, QStringList> records(const QString& gedcom) {
    QMap<QString, QStringList> result;
    QString current;
    for (const QString& line : gedcom.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (line.startsWith(QLatin1String("0 ")))
            current = line;
        else
            result[current] << line;
    }
    return result;
}

class GedcomWriterTest : public ::testing::Test {
protected:
    QString exported(const std::string& family, const std::string& married = "",
                     const ExportProgress& progress = {},
                     const LivingRule& living = LivingRule(LivingDetails::Full, {})) {
        std::unique_ptr<FamilyDatabase> db =
            FamilyDatabase::open(m_files.write("family.mdb", family, married));
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        GedcomWriter(*db, living)
            .write(buffer, QStringLiteral("family.mdb"),
                   QDateTime(QDate(2026, 12, 6), QTime(9, 5, 7)), progress);
        return QString::fromUtf8(buffer.data());
    }
    testing::FamilyFiles m_files;
};

TEST_F(GedcomWriterTest, ReferencesComeFromUniquePositiveCodesElseCountInNameOrder) {
    const auto r = records(exported(testing::personRows(
        "5 ก m - 0 0 | 7 ค m - 0 0 | 7 ข m - 0 0 | 0 ง f - 0 0 | -3 จ f - 0 0 | 8 ฉ f - 7 0")));
    for (const auto& [ref, name] :
         {std::pair{"I5", "ก"}, {"X1", "ข"}, {"X2", "ค"}, {"X3", "ง"}, {"X4", "จ"}})
        EXPECT_EQ(r.value(QStringLiteral("0 @%1@ INDI").arg(ref)).value(0),
                  QStringLiteral("1 NAME %1 //").arg(QString::fromUtf8(name)));
    // A code two persons share names the first of them in name order, as the chart finds it.
    EXPECT_EQ(r.value("0 @F1@ FAM"), QStringList({"1 HUSB @X1@", "1 CHIL @I8@"}));
}

// Names, sexes, dates, notes and families are what Gramps reads back in
// export_gramps_*; here, what it cannot see: the header, a name's parts, a
// couple named either way round, and a married row of nobody.
TEST_F(GedcomWriterTest, TheHeaderNamesTheFileANameItsPartsGivenAndACoupleOneFamily) {
    const QString gedcom = exported("1,ทองดี,ศรีสุข,1,,,0,,0,0\n2,,ใจดี,0,,,0,,0,0\n3,ลูก,,0,,,0,,1,2\n",
                                    "1,2,20\n2,1,30\n0,0,1\n9,0,5\n");
    const auto r = records(gedcom);
    EXPECT_EQ(r.value("0 @I1@ INDI").mid(0, 3),
              QStringList({"1 NAME ทองดี /ศรีสุข/", "2 GIVN ทองดี", "2 SURN ศรีสุข"}));
    EXPECT_EQ(r.value("0 @I2@ INDI").mid(0, 3),
              QStringList({"1 NAME /ใจดี/", "2 SURN ใจดี", "1 SEX F"}));
    EXPECT_TRUE(gedcom.startsWith(QLatin1String("0 HEAD\n1 SOUR KINMORA\n")));
    EXPECT_TRUE(gedcom.endsWith(QLatin1String("\n0 TRLR\n")));
    for (const char* line : {"2 DATA family.mdb", "1 DATE 6 DEC 2026", "2 TIME 09:05:07",
                             "1 CHAR UTF-8", "2 VERS 5.5.1", "2 FORM LINEAGE-LINKED"})
        EXPECT_TRUE(r.value("0 HEAD").contains(QLatin1String(line))) << line;
    EXPECT_EQ(r.value("0 @F1@ FAM"), QStringList({"1 HUSB @I1@", "1 WIFE @I2@", "1 CHIL @I3@"}));
    EXPECT_FALSE(r.contains("0 @F2@ FAM"));
}

TEST_F(GedcomWriterTest, ProgressCountsEveryRecordAndCanStopTheExport) {
    std::string family;
    for (int code = 1; code <= 600; ++code)
        family += std::to_string(code) + ",ก" + std::to_string(code) + ",,1,,,0,,0,0\n";
    qint64 last = -1;
    exported(family, "", [&](qint64 done, qint64 total) {
        EXPECT_EQ(total, 600);
        EXPECT_GE(done, last);
        last = done;
        return true;
    });
    EXPECT_EQ(last, 600);
    EXPECT_THROW(exported(family, "", [](qint64 done, qint64) { return done < 300; }),
                 ExportCancelled);
}

// A dead founder, a living son with a biography, a living daughter born
// before 1926 (so published), and the son's wedding.
constexpr const char* kLivingFamily =
    "1,ทองดี,,1,1880-03-12,1950-07-01,1,ชาวนา,0,0\n"
    "2,ลับ,,1,1985-03-17,,0,ประวัติลับ,1,0\n"
    "3,ย่า,,0,1920-01-02,,0,ประวัติย่า,1,0\n"
    "4,ภรรยา,,0,,,1,,0,0\n";
constexpr const char* kLivingMarried = "2,4,3\n1,4,5\n";

// GEDCOM leaves out the living's dates and notes; the CSV blanks them and the weddings.
TEST_F(GedcomWriterTest, NamesLeaveOutTheDatesNotesAndWeddingsOfTheLivingOnly) {
    const auto full = records(exported(kLivingFamily, kLivingMarried));
    const auto names = records(exported(kLivingFamily, kLivingMarried, {},
                                        LivingRule(LivingDetails::Names, QDate(2026, 12, 7))));
    EXPECT_TRUE(full.value("0 @I2@ INDI").contains("2 DATE 17 MAR 1985"));
    EXPECT_TRUE(full.value("0 @I2@ INDI").contains("1 NOTE ประวัติลับ"));
    for (const QString& line : names.value("0 @I2@ INDI"))
        EXPECT_FALSE(line.contains("DATE") || line.contains("NOTE") || line.contains("BIRT"))
            << line.toStdString();
    EXPECT_EQ(names.value("0 @I2@ INDI").filter("1 FAMC").size(), 1) << "links stay";
    EXPECT_EQ(names.value("0 @I1@ INDI"), full.value("0 @I1@ INDI"));
    EXPECT_EQ(names.value("0 @I3@ INDI"), full.value("0 @I3@ INDI"));

    FamilyCsvExport tables(m_files.path("family.mdb"));
    tables.keepPrivate(LivingRule(LivingDetails::Names, QDate(2026, 12, 7)));
    QBuffer family, married;
    family.open(QIODevice::WriteOnly);
    married.open(QIODevice::WriteOnly);
    tables.writeFamily(family);
    tables.writeMarried(married);
    const QStringList rows = QString::fromUtf8(family.data()).split(QStringLiteral("\r\n"));
    EXPECT_EQ(rows.value(1), QStringLiteral("1,\"ทองดี\",,1,1880-03-12,1950-07-01,1,\"ชาวนา\",0,0"));
    EXPECT_EQ(rows.value(2), QStringLiteral("2,\"ลับ\",,1,,,0,,1,0"));
    EXPECT_EQ(rows.value(3), QStringLiteral("3,\"ย่า\",,0,1920-01-02,,0,\"ประวัติย่า\",1,0"));
    const QStringList couples = QString::fromUtf8(married.data()).split(QStringLiteral("\r\n"));
    EXPECT_EQ(couples.value(1), QStringLiteral("2,4,")) << "the living son's wedding";
    EXPECT_EQ(couples.value(2), QStringLiteral("1,4,5")) << "the founder's stays";
}

// Dates drop the time of day; a line break of any kind starts a CONT line;
// one-line values hold no line break.
TEST(GedcomTextTest, DatesLineBreaksAndOneLineValues) {
    const auto at = [](int y, int m, int d, int hour) {
        return GedcomText::date(jetDateFromDateTime(QDateTime(QDate(y, m, d), QTime(hour, 30))));
    };
    EXPECT_EQ(at(1880, 2, 8, 23), QStringLiteral("8 FEB 1880"));
    EXPECT_EQ(at(1899, 12, 29, 6), QStringLiteral("29 DEC 1899"));  // before day 0
    EXPECT_EQ(at(2024, 12, 31, 0), QStringLiteral("31 DEC 2024"));
    QByteArray out;
    GedcomText::appendText(out, 1, "NOTE", QStringLiteral("หนึ่ง\r\nสอง\rสาม\n\nห้า"));
    EXPECT_EQ(out,
              QStringLiteral("1 NOTE หนึ่ง\n2 CONT สอง\n2 CONT สาม\n2 CONT\n2 CONT ห้า\n").toUtf8());
    EXPECT_EQ(GedcomText::oneLine(QStringLiteral("สม\nชาย@บ้าน\r\tก")),
              QStringLiteral("สม ชาย@@บ้าน \tก"));
}

// Each piece read back as a reader does (CONC goes on) gives the text again.
TEST(GedcomTextTest, LongLinesAreCutBetweenClustersAndAwayFromSpaces) {
    const QString words[] = {QStringLiteral("ผู้ใหญ่บ้าน"), QStringLiteral("น้ำท่วม"),
                             QStringLiteral("ที่ดิน"), QStringLiteral("สวนลำไย")};
    QString spaced;
    for (int i = 0; spaced.size() < 1200; ++i)
        spaced += words[i % 4] + (i % 7 == 0 ? QStringLiteral("  ") : QStringLiteral(" "));
    QString unspaced;
    while (unspaced.size() < 700) unspaced += QStringLiteral("กี่ปั้น");
    for (const QString& text :
         {spaced, unspaced, QString(301, '@'), QStringLiteral("@") + spaced}) {
        QByteArray out;
        GedcomText::appendText(out, 1, "NOTE", text);
        const QStringList lines =
            QString::fromUtf8(out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        ASSERT_GT(lines.size(), 2);
        QString joined;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QString v = lines[i].section(QLatin1Char(' '), 2);
            joined += v;
            EXPECT_EQ(lines[i].section(QLatin1Char(' '), 1, 1), i == 0 ? "NOTE" : "CONC");
            EXPECT_LE(v.size(), GedcomText::kMaxPiece);
            EXPECT_FALSE(v.front().isMark() || v.front() == QChar(0x0E33))
                << "piece " << i << " starts inside a cluster";
            EXPECT_EQ(v.count(QLatin1Char('@')) % 2, 0) << "an @@ pair is cut";
            if (text == spaced) {  // the cuts, not the text's own ends
                EXPECT_FALSE(i > 0 && v.front().isSpace()) << "piece " << i;
                EXPECT_FALSE(i + 1 < lines.size() && v.back().isSpace()) << "piece " << i;
            }
        }
        EXPECT_EQ(joined.replace(QLatin1String("@@"), QLatin1String("@")), text);
    }
}

// A record of one empty cell would be a blank line, which kinmora-mkfamily's
// reader skips. The column types are export_csv_round_trip's, where
// mdb-reader compares them.
TEST(CsvTableWriterTest, RowsOfOneNullCellAreKept) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    CsvTableWriter::write(
        {QStringLiteral("married"), {{QStringLiteral("fathercode"), ColumnType::Integer, 2}}},
        ResultTable{{QStringLiteral("fathercode")},
                    {Value::null(), Value::integer(5), Value::null()}},
        buffer);
    const mkfamily::TableContent nulls =
        mkfamily::TableReader::read({"married", buffer.data().toStdString(), "married.csv"});
    ASSERT_EQ(nulls.rows.size(), 3u);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(nulls.rows[0][0]));
    EXPECT_EQ(std::get<std::int32_t>(nulls.rows[1][0]), 5);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(nulls.rows[2][0]));
}

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

class FamilySiteTest : public ::testing::Test {
protected:
    FamilySiteData data(LivingDetails details) {
        return FamilySiteData(*m_db, LivingRule(details, m_now.date()), m_now,
                              QStringLiteral("family.mdb"));
    }
    testing::FamilyFiles m_files;
    std::unique_ptr<FamilyDatabase> m_db =
        FamilyDatabase::open(m_files.write("family.mdb", kLivingFamily, kLivingMarried));
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
    EXPECT_EQ(n.value("hidden").toString(), "0001");
    EXPECT_EQ(f.value("hidden").toString(), "0000");
    EXPECT_EQ(n.value("born").toArray().at(0).toString(), "12/03/2423");
    EXPECT_EQ(n.value("age").toArray().at(3).toString(), "");  // ลับ, in name order
    EXPECT_EQ(f.value("born").toArray().at(3).toString(), "17/03/2528");
    EXPECT_EQ(f.value("age").toArray().at(3).toString(), "อายุ 41  ปี  265  วัน");
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
