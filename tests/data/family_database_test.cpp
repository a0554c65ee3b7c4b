// Opening a family file: what a good file gives, what a bad one says, that
// nothing on disk ever changes, and what real Access 97 files hold: Thai text
// under a header that names another code page, Latin text that must stay
// Latin, control characters, and tables whose row count is stale.
#include "data/family_database.h"

#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdlib>
#include <limits>

#include "data/family_file_error.h"
#include "support/family_files.h"
#include "support/file_patches.h"

namespace kinmora {
namespace {

const char kTwoPersons[] = "2,ขวัญ,,0,,,0,,0,0\n1,กมล,ศรีสุข,1,,,0,,0,0\n";

using Kind = FamilyFileError::Kind;

// The reason an open fails with, or "" when it opens; `kind` takes its kind.
std::string failure(const QString& path, Kind* kind = nullptr, const QString& password = {}) {
    try {
        ReadOptions options;
        options.password = password;
        FamilyDatabase::open(path, options);
        return "";
    } catch (const FamilyFileError& e) {
        EXPECT_EQ(e.path(), path);
        if (kind) *kind = e.kind();
        return e.reason().toStdString();
    }
}

// Each person as "name|surname|biography", in name order.
QStringList persons(const QString& path, int codePage = 0) {
    ReadOptions options;
    options.codePage = codePage;
    auto db = FamilyDatabase::open(path, options);
    QStringList out;
    RecordSet& rs = db->persons();
    for (rs.first(); !rs.atEnd(); rs.next())
        out << rs.field(QStringLiteral("name")).toText() + QLatin1Char('|') +
                   rs.field(QStringLiteral("surname")).toText() + QLatin1Char('|') +
                   rs.field(QStringLiteral("biography")).toText();
    return out;
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

class FamilyDatabaseTest : public ::testing::Test {
protected:
    testing::FamilyFiles m_files;
};

TEST_F(FamilyDatabaseTest, BrokenFilesSayWhatIsWrong) {
    const QByteArray bytes = bytesOf(m_files.write("good.mdb", kTwoPersons));
    QByteArray future = bytes;
    future[0x14] = '\x7f';
    // A family table with two columns named alike: written with distinct
    // names, then one renamed in place, as no writer would allow it.
    const QByteArray twins =
        bytesOf(m_files.writeTables("twins.mdb", {{"family", "code,name,qqqq\n1,ก,x\n"},
                                                  {"married", testing::kMarriedHeader}}));
    // A family table that counts five persons and holds none.
    const QString unread = m_files.writeTables(
        "unread.mdb", {{"family", testing::kFamilyHeader},
                       {"married", std::string(testing::kMarriedHeader) + "1,2,1\n"}});
    testing::setRowCount(unread, 0, 5);
    // A bad sector where the family table is defined: the table definition
    // pages (type 2) are the catalog's, then the family's.
    QByteArray unreadable = bytes;
    for (qsizetype page = 3, defined = 0; page * 2048 < unreadable.size(); ++page)
        if (unreadable[page * 2048] == '\x02' && ++defined == 1)
            unreadable.replace(page * 2048, 2048, QByteArray(2048, '\0'));
    // Past the 2 GB an Access file can reach; sparse, so it takes no room.
    const QString huge = m_files.writeFile("huge.mdb", bytes);
    ASSERT_TRUE(QFile::resize(huge, (qint64{2} << 30) + 2048));
    const QString fifo = m_files.path("pipe.mdb");  // refused without waiting for a writer
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    struct Case {
        QString path;
        std::string reason;
        Kind kind;
    };
    const Case cases[] = {
        {m_files.writeFile("empty.mdb", {}), "empty", Kind::Empty},
        // Another file picked by mistake, a page or two long.
        {m_files.writeFile("photo.mdb", "\xFF\xD8\xFF\xE0" + QByteArray(4096, 'x')),
         "not an Access database", Kind::NotAccess},
        // An Access 2000 file cut inside its first 4 KB page.
        {m_files.writeFile("cut2000.mdb",
                           bytesOf(m_files.write("good2000.mdb", kTwoPersons, "",
                                                 {testing::FileFormat::Access2000, ""}))
                               .left(3000)),
         "truncated", Kind::Damaged},
        {m_files.writeFile("text.mdb", "code,name\n1,สมชาย\n"), "not an Access database",
         Kind::NotAccess},
        {m_files.writeFile("future.mdb", future), "unknown version (127)", Kind::UnknownVersion},
        {m_files.writeFile("truncated.mdb", bytes.left(bytes.size() - 1000)), "truncated",
         Kind::Damaged},
        {m_files.path("missing.mdb"), "cannot be opened", Kind::NotFound},
        {fifo, "not a regular file", Kind::NotRegularFile},
        {m_files.writeTables("nomarried.mdb", {{"family", std::string(testing::kFamilyHeader) +
                                                              "1,ก,,1,,,0,,0,0\n"}}),
         "no table \"married\"", Kind::NotFamilyFile},
        {m_files.writeTables("noname.mdb", {{"family", "code,surname\n1,ศรีสุข\n"},
                                            {"married", testing::kMarriedHeader}}),
         "no field \"name\"", Kind::NotFamilyFile},
        {m_files.write("nobody.mdb", ""), "no person", Kind::NotFamilyFile},
        {m_files.writeFile("twins.mdb", QByteArray(twins).replace("qqqq", "NAME")),
         "columns whose names cannot be told apart", Kind::Damaged},
        {unread, "truncated or damaged: table family should hold 5 persons but holds none",
         Kind::Damaged},
        // Cut short at a page's end: the catalog is gone, not the family's tables.
        {m_files.writeFile("cut4.mdb", bytes.left(4 * 2048)), "truncated or damaged",
         Kind::Damaged},
        {m_files.writeFile("cutlast.mdb", bytes.left(bytes.size() - 2048)), "truncated or damaged",
         Kind::Damaged},
        {m_files.writeFile("cut2.mdb", bytes.left(2 * 2048)), "ends before its table catalog",
         Kind::Damaged},
        {huge, "too large for an Access database", Kind::NotAccess},
        {m_files.writeFile("unreadable.mdb", unreadable),
         "the definition of table family cannot be read", Kind::Damaged},
    };
    for (const Case& c : cases) {
        Kind kind{};
        const std::string reason = failure(c.path, &kind);
        EXPECT_NE(reason.find(c.reason), std::string::npos)
            << c.path.toStdString() << ": " << reason;
        EXPECT_EQ(kind, c.kind) << c.path.toStdString() << ": " << reason;
    }
}

// A file and folder that cannot be written open all the same; inotify sees
// every process, the reader child included.
TEST_F(FamilyDatabaseTest, NothingOpensTheFileForWritingOrKeepsItOpen) {
    const QString path = m_files.write("family.mdb", kTwoPersons);
    ::chmod(path.toLocal8Bit().constData(), 0444);
    ::chmod(QFileInfo(path).absolutePath().toLocal8Bit().constData(), 0555);
    EXPECT_EQ(FamilyDatabase::open(path)->persons().recordCount(), 2);
    ::chmod(QFileInfo(path).absolutePath().toLocal8Bit().constData(), 0755);
    ::chmod(path.toLocal8Bit().constData(), 0644);  // a writer could now open it: none may
    const int watch = ::inotify_init1(IN_NONBLOCK);
    ASSERT_GE(watch, 0);
    ASSERT_GE(::inotify_add_watch(watch, path.toLocal8Bit().constData(), IN_ALL_EVENTS), 0);
    auto db = FamilyDatabase::open(path);

    std::uint32_t seen = 0;
    alignas(inotify_event) char buffer[4096];
    for (ssize_t n; (n = ::read(watch, buffer, sizeof buffer)) > 0;)
        for (char* p = buffer; p < buffer + n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(p);
            seen |= event->mask;
            p += sizeof(inotify_event) + event->len;
        }
    ::close(watch);
    EXPECT_TRUE(seen & IN_OPEN) << "the watch must see the file being read";
    EXPECT_TRUE(seen & IN_CLOSE_NOWRITE);
    EXPECT_FALSE(seen & (IN_MODIFY | IN_CLOSE_WRITE | IN_ATTRIB | IN_MOVE_SELF | IN_DELETE_SELF));

    // With the file open in the program, no descriptor of this process points at it.
    const QString canonical = QFileInfo(path).canonicalFilePath();
    for (const QFileInfo& fd : QDir(QStringLiteral("/proc/self/fd")).entryInfoList(QDir::System))
        EXPECT_NE(fd.symLinkTarget(), canonical);
}

TEST_F(FamilyDatabaseTest, ThaiTextIsThaiWhateverCodePageTheHeaderNames) {
    const QString path = m_files.write("thai.mdb",
                                       "1,สมชาย,ใจดี,1,,,0,\"เกิดที่เชียงใหม่ เป็นบุตรคนที่ 3\",0,0\n"
                                       "2,น้ำผึ้ง,ศรีสุข,0,,,0,,1,0\n");
    const QStringList thai{QStringLiteral("น้ำผึ้ง|ศรีสุข|"),
                           QStringLiteral("สมชาย|ใจดี|เกิดที่เชียงใหม่ เป็นบุตรคนที่ 3")};
    // A variable that would make libmdb decode every file as another code page is ignored.
    ::setenv("MDB_JET3_CHARSET", "CP1252", 1);
    EXPECT_EQ(persons(path), thai);
    ::unsetenv("MDB_JET3_CHARSET");
    testing::setHeaderCodePage(path, 1252);
    EXPECT_EQ(persons(path), thai);
    // Told to, the reader takes the header at its word: Latin garbage.
    EXPECT_TRUE(persons(path, 1252)
                    .contains(QStringLiteral("ÊÁªÒÂ|ã¨´Õ|à¡Ô´·ÕèàªÕÂ§ãËÁè à»ç¹ºØµÃ¤¹·Õè 3")));
}

TEST_F(FamilyDatabaseTest, LatinTextStaysLatinUnlessTheHeaderSaysThai) {
    const std::string rows =
        "1," + testing::asLatin1Bytes(QStringLiteral("François,Lefèvre")) + ",1,,,0,\"" +
        testing::asLatin1Bytes(QStringLiteral("Né à Genève;\tdéjà marié\r\nÉlève de l'École")) +
        "\",0,0\n"
        "3,Anna,Smith,0,,,0,,0,0\n";
    const QString path = m_files.write("latin.mdb", rows);
    // Under its own Thai header the file is Thai, as it always was.
    EXPECT_TRUE(persons(path).join(QString()).contains(QChar(0x0E47)));  // ç read as ็
    testing::setHeaderCodePage(path, 1252);
    const QStringList latin{QStringLiteral("Anna|Smith|"),
                            QStringLiteral("François|Lefèvre|Né à Genève;\tdéjà marié\r\n"
                                           "Élève de l'École")};
    EXPECT_EQ(persons(path), latin);
    // A header naming a code page nobody here knows reads as Western.
    testing::setHeaderCodePage(path, 9999);
    EXPECT_EQ(persons(path), latin);
    // And told the code page, the window's choice overrides the guess.
    EXPECT_EQ(persons(path, 874), persons(m_files.write("latin874.mdb", rows)));
}

TEST_F(FamilyDatabaseTest, ControlCharactersReadTheSameInEveryCodePage) {
    const QString path =
        m_files.write("control.mdb", "1,\"a\x01z\x7F\",\"b\x1B[2J\",1,,,0,\"x\ty\r\nz\x07\",0,0\n");
    const QStringList expected{QStringLiteral("a\uFFFDz\uFFFD|b\uFFFD[2J|x\ty\r\nz\uFFFD")};
    EXPECT_EQ(persons(path), expected);
    EXPECT_EQ(persons(path, 1252), expected);
    testing::setHeaderCodePage(path, 1252);
    EXPECT_EQ(persons(path), expected);
}

TEST_F(FamilyDatabaseTest, StaleRowCountsReadEveryRowAndFewerRowsAreDamageNotRefusal) {
    const QString path = m_files.write(
        "stale.mdb",
        "1,ก,,1,,,0,,0,0\n2,ข,,1,,,0,,0,0\n3,ค,,1,,,0,,0,0\n4,ง,,1,,,0,,0,0\n5,จ,,1,,,0,,0,0\n",
        "1,2,1\n2,3,2\n3,1,3\n1,3,4\n4,5,5\n5,4,6\n");
    // Counting fewer than it holds, as a file not compacted after a crash.
    testing::setRowCount(path, 5, 4);
    auto db = FamilyDatabase::open(path);
    EXPECT_EQ(db->persons().recordCount(), 5);
    EXPECT_TRUE(db->damage().isEmpty()) << db->damage().join(' ').toStdString();
    // Counting more than any page holds: what is there, and a warning.
    testing::setRowCount(path, 6, 9);  // the married table's six rows
    db = FamilyDatabase::open(path);
    EXPECT_EQ(db->persons().recordCount(), 5);
    EXPECT_EQ(db->couples().recordCount(), 6);
    EXPECT_EQ(
        db->damage(),
        QStringList{QStringLiteral("table married should hold 9 rows but only 6 could be read")});
    ASSERT_EQ(db->shortTables().size(), 1u);
    EXPECT_EQ(db->shortTables()[0].counted, 9u);
    EXPECT_EQ(db->shortTables()[0].held, 6u);
    // A married table that holds nothing while it counts two never refuses the persons.
    const QString unmarried = m_files.write("unmarried.mdb", kTwoPersons);
    testing::setRowCount(unmarried, 0, 2);
    db = FamilyDatabase::open(unmarried);
    EXPECT_EQ(db->persons().recordCount(), 2);
    EXPECT_EQ(db->damage(),
              QStringList{QStringLiteral("table married should hold 2 rows but holds none")});
}

// A date field whose bytes no date of Access makes (damage, or another
// program's idea of "unknown") reads as no date, never as a wrong one.
TEST_F(FamilyDatabaseTest, DatesBeyondWhatAccessKeepsReadAsUnknown) {
    const auto asBytes = [](double d) {
        return QByteArray(reinterpret_cast<const char*>(&d), sizeof d);
    };
    const double stored = 18429;  // 1950-06-15, in days since 1899-12-30
    for (const double bad : {1e300, -4e6, std::numeric_limits<double>::quiet_NaN()}) {
        const QString path = m_files.write("date.mdb", "1,ก,,1,1950-06-15,,0,,0,0\n");
        QByteArray file = bytesOf(path);
        ASSERT_EQ(file.count(asBytes(stored)), 1);
        m_files.writeFile("date.mdb", file.replace(asBytes(stored), asBytes(bad)));
        auto db = FamilyDatabase::open(path);
        db->persons().first();
        EXPECT_TRUE(db->persons().field(QStringLiteral("born")).isNull()) << bad;
    }
}

TEST_F(FamilyDatabaseTest, APasswordFileOpensOnlyWithItsPassword) {
    const std::string rows = "1,ก,,1,,,0,,0,0\n";
    const QString latin = m_files.write("latin.mdb", rows);
    testing::setJet3Password(latin, "Secret");
    // Thai typed on a Thai system: code page 874 bytes, whatever the header names.
    const QString thai = m_files.write("thai.mdb", rows);
    testing::setJet3Password(thai,
                             "\xC5\xD1\xBA"
                             "9");  // ลับ9
    testing::setHeaderCodePage(thai, 1252);
    // The longest password Access takes fills its field, with no end mark.
    const QString longest = m_files.write("longest.mdb", rows);
    testing::setJet3Password(longest, "ABCDEFGHIJKLMNOPQRST");
    struct Case {
        QString path;
        QString password;
        Kind kind;  // Kind::NotFound stands for "opens"
    };
    const Case cases[] = {
        {latin, {}, Kind::PasswordNeeded},
        {latin, QStringLiteral("secret"), Kind::PasswordWrong},  // letter case counts
        {latin, QStringLiteral("Secret!"), Kind::PasswordWrong},
        {latin, QStringLiteral("Secret"), Kind::NotFound},
        {latin, QString(2000, QLatin1Char('S')), Kind::PasswordWrong},  // not passed on whole
        {longest, QStringLiteral("ABCDEFGHIJKLMNOPQRST"), Kind::NotFound},
        {longest, QStringLiteral("ABCDEFGHIJKLMNOPQRS"), Kind::PasswordWrong},
        {thai, QStringLiteral("ลับ"), Kind::PasswordWrong},
        {thai, QStringLiteral("ลับ9"), Kind::NotFound},
        {m_files.write("open.mdb", rows), QStringLiteral("anything"), Kind::NotFound},
    };
    std::vector<Case> all(std::begin(cases), std::end(cases));
    // Access 2000 and later keep it in UTF-16, masked with the creation date.
    for (const testing::FileFormat format :
         {testing::FileFormat::Access2000, testing::FileFormat::Access2007}) {
        const QString path = m_files.write(QStringLiteral("locked%1.mdb").arg(int(format)), rows,
                                           "", {format, "Secret ลับ"});
        all.push_back({path, {}, Kind::PasswordNeeded});
        all.push_back({path, QStringLiteral("Secret"), Kind::PasswordWrong});
        all.push_back({path, QStringLiteral("Secret ลับ"), Kind::NotFound});
        const QString longestUnicode =
            m_files.write(QStringLiteral("longest%1.mdb").arg(int(format)), rows, "",
                          {format, "Secret ลับ 123456789"});
        all.push_back({longestUnicode, QStringLiteral("Secret ลับ 123456789"), Kind::NotFound});
        all.push_back({longestUnicode, QStringLiteral("Secret ลับ 12345678"), Kind::PasswordWrong});
        all.push_back(
            {m_files.write(QStringLiteral("open%1.mdb").arg(int(format)), rows, "", {format, {}}),
             {},
             Kind::NotFound});
    }
    for (const Case& c : all) {
        Kind kind = Kind::NotFound;
        const std::string reason = failure(c.path, &kind, c.password);
        EXPECT_EQ(kind, c.kind) << c.path.toStdString() << " " << c.password.toStdString() << ": "
                                << reason;
        // Nothing tells the password, or how close a guess came.
        EXPECT_EQ(reason.find("Secret"), std::string::npos) << reason;
    }
}

TEST_F(FamilyDatabaseTest, AnEncryptedFileSaysSoNotThatItIsDamaged) {
    const QString damaged = m_files.write("damaged.mdb", "1,ก,,1,,,0,,0,0\n");
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
