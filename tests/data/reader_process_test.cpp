// Reading in a child process gives the rows an in-process read gives, and ends
// in an error, never a crash or a stray process, when the reader cannot go on.
#include "data/reader_process.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cerrno>

#include "data/family_file_error.h"
#include "data/mdb_reader.h"
#include "support/family_files.h"

namespace kinmora {
namespace {

// Keeps every table as text lines, one per row.
class CollectingSink : public TableSink {
public:
    void beginTable(const TableSchema& schema) override {
        QStringList names;
        for (const ColumnInfo& c : schema.columns)
            names << c.name + QLatin1Char(':') + QString::number(static_cast<int>(c.type));
        lines << schema.name + QLatin1Char('|') + names.join(QLatin1Char(','));
    }
    void row(std::span<const Value> values) override {
        QStringList cells;
        for (const Value& v : values)
            cells << QString::number(static_cast<int>(v.kind())) + QLatin1Char('=') + v.toText();
        lines << cells.join(QLatin1Char('|'));
        if (++rows == failAfter) throw std::runtime_error("the sink gave up");
    }
    void endTable() override { lines << QStringLiteral("end"); }

    QStringList lines;
    int rows = 0;
    int failAfter = -1;
};

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
    EXPECT_FALSE(strayChildren());
}

TEST_F(ReaderProcessTest, AReaderOutOfMemoryEndsInAnError) {
    ReaderProcess::Limits tight;
    tight.memory = 64 * 1024;
    CollectingSink sink;
    EXPECT_THROW(ReaderProcess::read(m_path, {QStringLiteral("family")}, sink, tight),
                 FamilyFileError);
    EXPECT_FALSE(strayChildren());
}

TEST_F(ReaderProcessTest, ASinkThatFailsStopsTheReader) {
    CollectingSink sink;
    sink.failAfter = 1;
    EXPECT_THROW(ReaderProcess::read(m_path, {QStringLiteral("family")}, sink), std::runtime_error);
    EXPECT_FALSE(strayChildren());
}

TEST_F(ReaderProcessTest, AFileThatIsNoAccessFileSaysSo) {
    CollectingSink sink;
    try {
        ReaderProcess::read(m_files.path("missing.mdb"), {QStringLiteral("family")}, sink);
        FAIL() << "a missing file must not read";
    } catch (const FamilyFileError& e) {
        EXPECT_TRUE(e.reason().startsWith(QStringLiteral("cannot be opened"))) << e.what();
    }
}

}  // namespace
}  // namespace kinmora
