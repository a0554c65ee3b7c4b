// Reading what real Access 97 files hold: Thai text under a header that names
// another code page, Latin text that must stay Latin, control characters, and
// tables whose row count is stale.
#include <gtest/gtest.h>

#include "data/family_database.h"
#include "data/family_file_error.h"
#include "support/family_files.h"
#include "support/file_patches.h"

namespace kinmora {
namespace {

using testing::asLatin1Bytes;
using testing::setHeaderCodePage;
using testing::setRowCount;

// Each person as "name|surname|biography", in name order.
QStringList persons(const QString& path, int codePage = 0) {
    ReadOptions options;
    options.codePage = codePage;
    auto db = FamilyDatabase::open(path, options);
    QStringList out;
    RecordSet& rs = db->rs_family();
    for (rs.moveFirst(); !rs.eof(); rs.moveNext())
        out << rs.field(QStringLiteral("name")).toText() + QLatin1Char('|') +
                   rs.field(QStringLiteral("surname")).toText() + QLatin1Char('|') +
                   rs.field(QStringLiteral("biography")).toText();
    return out;
}

class MdbReaderTest : public ::testing::Test {
protected:
    testing::FamilyFiles m_files;
};

TEST_F(MdbReaderTest, ThaiTextIsThaiWhateverCodePageTheHeaderNames) {
    const QString path = m_files.write("thai.mdb",
                                       "1,สมชาย,ใจดี,1,,,0,\"เกิดที่เชียงใหม่ เป็นบุตรคนที่ 3\",0,0\n"
                                       "2,น้ำผึ้ง,ศรีสุข,0,,,0,,1,0\n");
    const QStringList thai{QStringLiteral("น้ำผึ้ง|ศรีสุข|"),
                           QStringLiteral("สมชาย|ใจดี|เกิดที่เชียงใหม่ เป็นบุตรคนที่ 3")};
    EXPECT_EQ(persons(path), thai);
    for (const std::uint16_t header : {1252, 1250, 437}) {
        setHeaderCodePage(path, header);
        EXPECT_EQ(persons(path), thai) << header;
    }
    // Told to, the reader takes the header at its word: Latin garbage.
    EXPECT_TRUE(persons(path, 1252)
                    .contains(QStringLiteral("ÊÁªÒÂ|ã¨´Õ|à¡Ô´·ÕèàªÕÂ§ãËÁè à»ç¹ºØµÃ¤¹·Õè 3")));
}

TEST_F(MdbReaderTest, LatinTextStaysLatinUnlessTheHeaderSaysThai) {
    const std::string rows =
        "1," + asLatin1Bytes(QStringLiteral("François,Lefèvre")) + ",1,,,0,\"" +
        asLatin1Bytes(QStringLiteral("Né à Genève;\tdéjà marié\r\nÉlève de l'École")) +
        "\",0,0\n"
        "2," +
        asLatin1Bytes(QStringLiteral("Jörg,Straßenbäcker")) +
        ",1,,,0,,0,0\n"
        "3,Anna,Smith,0,,,0,,0,0\n";
    const QString path = m_files.write("latin.mdb", rows);
    // Under its own Thai header the file is Thai, as it always was.
    EXPECT_TRUE(persons(path).join(QString()).contains(QChar(0x0E47)));  // ç read as ็
    setHeaderCodePage(path, 1252);
    const QStringList latin{QStringLiteral("Anna|Smith|"),
                            QStringLiteral("François|Lefèvre|Né à Genève;\tdéjà marié\r\n"
                                           "Élève de l'École"),
                            QStringLiteral("Jörg|Straßenbäcker|")};
    EXPECT_EQ(persons(path), latin);
    // And told the code page, the window's choice overrides the guess.
    EXPECT_EQ(persons(path, 874), persons(m_files.write("latin874.mdb", rows)));
}

TEST_F(MdbReaderTest, ControlCharactersReadTheSameInEveryCodePage) {
    const QString path =
        m_files.write("control.mdb", "1,\"a\x01z\x7F\",\"b\x1B[2J\",1,,,0,\"x\ty\r\nz\x07\",0,0\n");
    const QStringList expected{QStringLiteral("a\uFFFDz\uFFFD|b\uFFFD[2J|x\ty\r\nz\uFFFD")};
    EXPECT_EQ(persons(path), expected);
    EXPECT_EQ(persons(path, 1252), expected);
    setHeaderCodePage(path, 1252);
    EXPECT_EQ(persons(path), expected);
}

TEST_F(MdbReaderTest, StaleRowCountsReadEveryRowAndFewerRowsAreDamageNotRefusal) {
    const QString path = m_files.write(
        "stale.mdb",
        "1,ก,,1,,,0,,0,0\n2,ข,,1,,,0,,0,0\n3,ค,,1,,,0,,0,0\n4,ง,,1,,,0,,0,0\n5,จ,,1,,,0,,0,0\n",
        "1,2,1\n2,3,2\n3,1,3\n1,3,4\n4,5,5\n5,4,6\n");
    // Counting fewer than it holds, as a file not compacted after a crash.
    setRowCount(path, 5, 4);
    {
        auto db = FamilyDatabase::open(path);
        EXPECT_EQ(db->rs_family().recordCount(), 5);
        EXPECT_TRUE(db->damage().isEmpty()) << db->damage().join(' ').toStdString();
    }
    // Counting more than any page holds: what is there, and a warning.
    setRowCount(path, 6, 9);  // the married table's six rows
    {
        auto db = FamilyDatabase::open(path);
        EXPECT_EQ(db->rs_family().recordCount(), 5);
        EXPECT_EQ(db->rs_married().recordCount(), 6);
        EXPECT_EQ(db->damage(), QStringList{QStringLiteral(
                                    "table married should hold 9 rows but only 6 could be read")});
    }
}

TEST_F(MdbReaderTest, ATableOfWhichNothingCanBeReadIsRefused) {
    const QString path = m_files.write("empty-married.mdb", "1,ก,,1,,,0,,0,0\n");
    setRowCount(path, 0, 5);
    try {
        FamilyDatabase::open(path);
        FAIL() << "opened";
    } catch (const FamilyFileError& e) {
        EXPECT_TRUE(
            e.reason().contains(QStringLiteral("should hold 5 rows but none could be read")))
            << e.reason().toStdString();
    }
}

// The reason opening `path` fails with, or "" when it opens.
std::string failure(const QString& path) {
    try {
        FamilyDatabase::open(path);
        return "";
    } catch (const FamilyFileError& e) {
        return e.reason().toStdString();
    }
}

TEST_F(MdbReaderTest, AnEncryptedFileSaysItHasAPasswordNotThatItIsDamaged) {
    const std::string rows = "1,ก,,1,,,0,,0,0\n";
    const QString locked = m_files.write("locked.mdb", rows);
    testing::setJet3Password(locked, "secret");
    EXPECT_EQ(failure(locked), "");  // the password hides nothing from this reader
    testing::zeroPage(locked, 2);    // but here it came with a catalog that cannot be read
    EXPECT_NE(failure(locked).find("protected by a password"), std::string::npos);
    const QString damaged = m_files.write("damaged.mdb", rows);
    testing::zeroPage(damaged, 2);
    EXPECT_NE(failure(damaged).find("table catalog cannot be read"), std::string::npos);

    // Access 2007 and later name their encryption in the header.
    QByteArray ace(2 * 4096, '\0');
    ace.replace(4, 16, QByteArray("Standard ACE DB\0", 16));
    ace[0x14] = 0x02;
    const QString plain = m_files.writeFile("plain.accdb", ace);
    ace[0x299] = 0x6C;
    const QString encrypted = m_files.writeFile("encrypted.accdb", ace);
    EXPECT_EQ(failure(plain).find("password"), std::string::npos) << failure(plain);
    EXPECT_NE(failure(encrypted).find("protected by a password"), std::string::npos);
}

}  // namespace
}  // namespace kinmora
