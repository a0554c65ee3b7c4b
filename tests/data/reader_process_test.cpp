// Reading in a child process gives the rows an in-process read gives, and ends
// in an error, never a crash or a stray process, when the reader cannot go on.
#include "data/reader_process.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QElapsedTimer>
#include <QFile>
#include <cerrno>

#include "data/family_file_error.h"
#include "data/mdb_reader.h"
#include "support/family_files.h"
#include "support/table_lines.h"

namespace kinmora {
namespace {

using CollectingSink = testing::TableLines;

bool strayChildren() {
    errno = 0;
    return ::waitpid(-1, nullptr, WNOHANG) != -1 || errno != ECHILD;
}

class ReaderProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_path = m_files.write("family.mdb",
                               "1,สมชาย,ใจดี,1,1880-03-12,1950-01-01,1,\"ประวัติ\nสองบรรทัด\",0,0\n"
                               "2,Somsri,,0,,,0,,1,0\n"
                               "3,ยาว,,0,,,0,\"" +
                                   std::string(100000, 'y') + "\",1,2\n",
                               "1,2,7\n");
    }
    // The reason a read fails with, and how long the verdict took.
    std::pair<std::string, qint64> verdict(const ReaderProcess::Limits& limits,
                                           const ReadOptions& options) {
        CollectingSink sink;
        QElapsedTimer timer;
        timer.start();
        try {
            ReaderProcess::read(m_path, {QStringLiteral("family")}, sink, limits, options);
        } catch (const FamilyFileError& e) {
            return {e.reason().toStdString(), timer.elapsed()};
        }
        return {"read", timer.elapsed()};
    }
    // Options whose reader program is a shell script of `body`.
    ReadOptions script(const char* name, const QByteArray& body) {
        ReadOptions options;
        options.readerProgram = m_files.writeScript(name, body);
        return options;
    }
    testing::FamilyFiles m_files;
    QString m_path;
};

TEST_F(ReaderProcessTest, RelaysExactlyWhatTheFileHolds) {
    const QStringList tables{QStringLiteral("FAMILY"), QStringLiteral("nowhere"),
                             QStringLiteral("married")};
    CollectingSink direct;
    MdbReader reader(m_path);
    for (const QString& table : tables) reader.readTable(table, direct);
    CollectingSink relayed;
    ReaderProcess::read(m_path, tables, relayed);
    EXPECT_EQ(relayed.lines, direct.lines);
    EXPECT_EQ(relayed.lines.size(), 1 + 3 + 1 + 1 + 1 + 1);  // the missing table gives nothing
    // A sink that fails stops the reader.
    CollectingSink failing;
    failing.failAfter = 1;
    EXPECT_THROW(ReaderProcess::read(m_path, tables, failing), std::runtime_error);
    EXPECT_FALSE(strayChildren());
}

TEST_F(ReaderProcessTest, AStuckEndlessStarvedOrAbsentReaderIsStoppedWithinItsLimits) {
    ReaderProcess::Limits limits;
    limits.silence = std::chrono::milliseconds(400);
    limits.budget = std::chrono::milliseconds(600);
    const auto [stuck, stuckMs] = verdict(limits, script("silent", "exec sleep 60"));
    EXPECT_NE(stuck.find("stopped making progress"), std::string::npos) << stuck;
    EXPECT_LT(stuckMs, 30000);  // well before the reader's own end
    // A megabyte frame that trickles in: alive, but past three budgets it is over.
    const ReadOptions trickle = script("trickle",
                                       "printf '\\000\\000\\020\\000' >&3\n"
                                       "while :; do printf x >&3; sleep 0.05; done");
    const auto [endless, endlessMs] = verdict(limits, trickle);
    EXPECT_NE(endless.find("took longer than any family file"), std::string::npos) << endless;
    EXPECT_GE(endlessMs, 3 * 600);
    EXPECT_LT(endlessMs, 30000);  // it would never end by itself
    // One that starts and then hangs, as libmdb may in a damaged table, and
    // one that ends before its last frame: neither is taken for a whole read.
    // However slowly they start, their silence or their end decides.
    ReaderProcess::Limits slowStart = limits;
    slowStart.budget = std::chrono::seconds(20);
    const ReadOptions hung = script("hung", "printf '\\000\\000\\001\\000' >&3\nexec sleep 60");
    const auto [halfway, halfwayMs] = verdict(slowStart, hung);
    EXPECT_NE(halfway.find("stopped making progress (nothing for 0.4 s)"), std::string::npos)
        << halfway;
    EXPECT_LT(halfwayMs, 30000);
    EXPECT_NE(verdict(slowStart, script("ended", "printf '\\000\\000' >&3\nexit 5"))
                  .first.find("stopped before the end (status 5)"),
              std::string::npos);
    // One that crashes, as libmdb may on a hostile file, says how.
    EXPECT_NE(
        verdict(slowStart, script("crashed", "kill -SEGV $$")).first.find("stopped on signal 11"),
        std::string::npos);
    // One that has sent its last frame but does not end is not waited for.
    const ReadOptions lingering =
        script("lingering", "printf '\\001\\000\\000\\000D' >&3\nexec sleep 60");
    const auto [lingered, lingeredMs] = verdict(slowStart, lingering);
    EXPECT_EQ(lingered, "read");
    EXPECT_LT(lingeredMs, 30000);
    ReadOptions absent;
    absent.readerProgram = m_files.path("no-such-reader");
    EXPECT_NE(verdict(limits, absent).first.find("cannot start"), std::string::npos);
    ReaderProcess::Limits starved;
    starved.memory = 64 * 1024;
    EXPECT_NE(verdict(starved, {}).first, "read");
    EXPECT_FALSE(strayChildren());
}

// The limits a user gets: a reader that takes longer to start than the
// silence allowed while reading, as on a loaded machine, still reads a small
// file; one that sends nothing at all is stopped.
TEST_F(ReaderProcessTest, AReaderSlowToStartStillReadsUnderTheUsersLimits) {
    // Longer than the 3 s of silence allowed once reading, within the 5 s budget.
    const ReadOptions slow =
        script("slow", "sleep 3.5\nexec '" + QFile::encodeName(ReaderProcess::defaultProgram()) +
                           "' \"$@\"");
    EXPECT_EQ(verdict(ReaderProcess::Limits{}, slow).first, "read");
    EXPECT_FALSE(strayChildren());
}

// Tells the rows in, and stops the read once told `stopAfter` times.
struct CountingProgress : ReadProgress {
    void progress(const QString& table, std::uint64_t done, std::uint64_t expected) override {
        seen << QStringLiteral("%1 %2/%3").arg(table).arg(done).arg(expected);
    }
    bool cancelled() const override { return seen.size() >= stopAfter; }
    QStringList seen;
    qsizetype stopAfter = 1000;
};

TEST_F(ReaderProcessTest, ProgressIsToldAndACancelStopsTheReader) {
    CountingProgress counting;
    CollectingSink sink;
    ReadOptions options;
    options.progress = &counting;
    ReaderProcess::read(m_path, {QStringLiteral("family"), QStringLiteral("married")}, sink,
                        ReaderProcess::Limits{}, options);
    EXPECT_EQ(counting.seen,
              (QStringList{"family 0/3", "family 3/3", "married 0/1", "married 1/1"}));
    CountingProgress stopping;
    stopping.stopAfter = 1;
    options.progress = &stopping;
    CollectingSink partial;
    EXPECT_THROW(ReaderProcess::read(m_path, {QStringLiteral("family")}, partial,
                                     ReaderProcess::Limits{}, options),
                 ReadCancelled);
    EXPECT_FALSE(strayChildren());
}

}  // namespace
}  // namespace kinmora
