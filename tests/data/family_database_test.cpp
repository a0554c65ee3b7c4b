// Opening a family file: what a good file gives, what a bad one says, and that
// nothing on disk ever changes.
#include "data/family_database.h"

#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdlib>

#include "data/family_file_error.h"
#include "support/family_files.h"

namespace kinmora {
namespace {

const char kTwoPersons[] = "2,ขวัญ,,0,,,0,,0,0\n1,กมล,ศรีสุข,1,,,0,,0,0\n";

QByteArray digest(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

using Kind = FamilyFileError::Kind;

// The reason an open fails with, or "" when it opens; `kind` takes its kind.
std::string failure(const QString& path, Kind* kind = nullptr) {
    try {
        FamilyDatabase::open(path);
        return "";
    } catch (const FamilyFileError& e) {
        EXPECT_EQ(e.path(), path);
        if (kind) *kind = e.kind();
        return e.reason().toStdString();
    }
}

class FamilyDatabaseTest : public ::testing::Test {
protected:
    // A family table with two columns named alike: written with distinct
    // names, then one renamed in place, as no writer would allow it.
    QString twinColumns() {
        const QString path = m_files.writeTables(
            "twins.mdb",
            {{"family", "code,name,qqqq\n1,ก,x\n"}, {"married", testing::kMarriedHeader}});
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        QByteArray bytes = f.readAll();
        f.close();
        return m_files.writeFile("twins.mdb", bytes.replace("qqqq", "NAME"));
    }
    testing::FamilyFiles m_files;
};

TEST_F(FamilyDatabaseTest, OpensOnTheFirstPersonInNameOrder) {
    auto db = FamilyDatabase::open(m_files.write("family.mdb", kTwoPersons));
    EXPECT_EQ(db->rs_family().field(QStringLiteral("name")).toText(), QStringLiteral("กมล"));
    EXPECT_EQ(db->rs_married().recordCount(), 0);
}

TEST_F(FamilyDatabaseTest, BrokenFilesSayWhatIsWrong) {
    const QString good = m_files.write("good.mdb", kTwoPersons);
    QFile goodFile(good);
    goodFile.open(QIODevice::ReadOnly);
    const QByteArray bytes = goodFile.readAll();

    QByteArray future = bytes;
    future[0x14] = '\x7f';
    struct Case {
        QString path;
        std::string reason;
        Kind kind;
    };
    const std::string header = testing::kFamilyHeader;
    const Case cases[] = {
        {m_files.writeFile("empty.mdb", {}), "empty", Kind::Empty},
        {m_files.writeFile("text.mdb", "code,name\n1,สมชาย\n"), "not an Access database",
         Kind::NotAccess},
        {m_files.writeFile("future.mdb", future), "unknown version (127)", Kind::UnknownVersion},
        {m_files.writeFile("truncated.mdb", bytes.left(bytes.size() - 1000)), "truncated",
         Kind::Damaged},
        {m_files.writeFile("onepage.mdb", bytes.left(2048)), "damaged", Kind::Damaged},
        {m_files.path("missing.mdb"), "cannot be opened", Kind::NotFound},
        {m_files.path(""), "not a regular file", Kind::NotRegularFile},
        {m_files.writeTables("nomarried.mdb", {{"family", header + "1,ก,,1,,,0,,0,0\n"}}),
         "no table \"married\"", Kind::NotFamilyFile},
        {m_files.writeTables("nofamily.mdb", {{"married", testing::kMarriedHeader}}),
         "no table \"family\"", Kind::NotFamilyFile},
        {m_files.writeTables("noname.mdb", {{"family", "code,surname\n1,ศรีสุข\n"},
                                            {"married", testing::kMarriedHeader}}),
         "no field \"name\"", Kind::NotFamilyFile},
        {m_files.write("nobody.mdb", ""), "no person", Kind::NotFamilyFile},
        {twinColumns(), "columns whose names cannot be told apart", Kind::Damaged},
    };
    for (const Case& c : cases) {
        Kind kind{};
        const std::string reason = failure(c.path, &kind);
        EXPECT_NE(reason.find(c.reason), std::string::npos)
            << c.path.toStdString() << ": " << reason;
        EXPECT_EQ(kind, c.kind) << c.path.toStdString() << ": " << reason;
    }
}

TEST_F(FamilyDatabaseTest, APipeIsRefusedWithoutWaiting) {
    const QString fifo = m_files.path("pipe.mdb");
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    EXPECT_NE(failure(fifo).find("not a regular file"), std::string::npos);
}

TEST_F(FamilyDatabaseTest, OpeningChangesNothingOnDisk) {
    const QString path = m_files.write("family.mdb", kTwoPersons);
    const QByteArray before = digest(path);
    const QDateTime modified = QFileInfo(path).lastModified();
    ::chmod(path.toLocal8Bit().constData(), 0444);
    ::chmod(QFileInfo(path).absolutePath().toLocal8Bit().constData(), 0555);
    {
        auto db = FamilyDatabase::open(path);
        EXPECT_EQ(db->rs_family().recordCount(), 2);
    }
    ::chmod(QFileInfo(path).absolutePath().toLocal8Bit().constData(), 0755);
    EXPECT_EQ(digest(path), before);
    EXPECT_EQ(QFileInfo(path).lastModified(), modified);
}

TEST_F(FamilyDatabaseTest, NothingOpensTheFileForWritingOrKeepsItOpen) {
    const QString path = m_files.write("family.mdb", kTwoPersons);
    // inotify sees every process, the reader child included.
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

TEST_F(FamilyDatabaseTest, TheFileNamesItsOwnCodePage) {
    // A variable that would make libmdb decode every file as another code page is ignored.
    ::setenv("MDB_JET3_CHARSET", "CP1252", 1);
    auto db = FamilyDatabase::open(m_files.write("family.mdb", kTwoPersons));
    ::unsetenv("MDB_JET3_CHARSET");
    EXPECT_EQ(db->rs_family().field(QStringLiteral("surname")).toText(), QStringLiteral("ศรีสุข"));
}

}  // namespace
}  // namespace kinmora
