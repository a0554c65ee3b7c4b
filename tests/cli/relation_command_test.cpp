// `kinmora-cli relation` as scripts use it: one line with the term, names
// found as the chart finds them or codes, and its exit statuses.
#include <gtest/gtest.h>

#include <QProcess>

#include "support/family_files.h"

namespace kinmora {
namespace {

struct CliRun {
    int status;
    QString out;
    QString err;
};

CliRun cli(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(KINMORA_CLI), arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// A grandfather, his elder son with a wife and a daughter, his younger son;
// two persons called "Somchai" (the first in name order is code 6).
const char kFamily[] =
    "1,ทองดี,ใจดี,1,1900-01-01,,0,,0,0\n"
    "2,สมชาย,ใจดี,1,1930-01-01,,0,,1,0\n"
    "3,สมศักดิ์,ใจดี,1,1935-01-01,,0,,1,0\n"
    "4,มาลี,ศรีสุข,0,1932-01-01,,0,,0,0\n"
    "5,แก้ว,ใจดี,0,1960-01-01,,0,,2,4\n"
    "6,Somchai,A,1,,,0,,3,0\n"
    "7,Somchai,B,1,,,0,,0,0\n";

TEST(RelationCommandTest, PrintsTheTermOfBForA) {
    testing::FamilyFiles files;
    const QString path = files.write("family.mdb", kFamily, "2,4,1\n");
    struct Case {
        QStringList arguments;
        QString out;
    };
    const Case cases[] = {
        {{"relation", path, "แก้ว", "สมศักดิ์"}, "อา\n"},
        {{"relation", path, "สมศักดิ์", "แก้ว"}, "หลานสาว\n"},
        {{"relation", path, "แก้ว", "มาลี"}, "แม่\n"},
        {{"relation", path, "somCHAI", "สมศักดิ์"}, "พ่อ\n"},  // letter case ignored
        {{"relation", path, "--codes", "7", "3"}, "ไม่เป็นญาติ\n"},
        {{"relation", path, "5", "1", "--codes"}, "ปู่\n"},
    };
    for (const Case& c : cases) {
        const CliRun run = cli(c.arguments);
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        EXPECT_EQ(run.out, c.out) << c.arguments.join(' ').toStdString();
    }
}

TEST(RelationCommandTest, FailuresGiveTheirStatus) {
    testing::FamilyFiles files;
    const QString path = files.write("family.mdb", kFamily);
    struct Case {
        QStringList arguments;
        int status;
        QString err;  // checked when not empty
    };
    const QString missing = files.path("missing.mdb");
    const Case cases[] = {
        {{"relation", path, "ไม่มีใคร", "แก้ว"}, 1, "NOT FOUND\n"},
        {{"relation", path, "แก้ว", "ไม่มีใคร"}, 1, "NOT FOUND\n"},
        {{"relation", path, "--codes", "5", "99"}, 1, "NOT FOUND\n"},
        {{"relation", path, "--codes", "0", "5"}, 1, "NOT FOUND\n"},
        {{"relation", missing, "a", "b"},
         2,
         "kinmora-cli: " + missing + ": cannot be opened: No such file or directory\n"},
        {{"relation", path, "--codes", "แก้ว", "5"}, 2, ""},
        {{"relation", path, "แก้ว"}, 2, ""},
        {{"relation", path, "แก้ว", "มาลี", "ทองดี"}, 2, ""},
    };
    for (const Case& c : cases) {
        const CliRun run = cli(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments.join(' ').toStdString();
        if (!c.err.isEmpty()) {
            EXPECT_EQ(run.err, c.err) << c.arguments.join(' ').toStdString();
        }
        EXPECT_TRUE(run.out.isEmpty());
    }
}

}  // namespace
}  // namespace kinmora
