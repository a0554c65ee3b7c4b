// `kinmora-cli relation` as scripts use it: one line with the term, names
// found as the chart finds them or codes, and its exit statuses.
#include <gtest/gtest.h>

#include "support/family_files.h"
#include "support/process_runner.h"

namespace kinmora {
namespace {

// A grandfather, his elder son with a wife and a daughter, his younger son;
// two persons called "Somchai" (the first in name order is code 6).
const char kFamily[] =
    "1,ทองดี,ใจดี,1,1900-01-01,,0,,0,0\n2,สมชาย,ใจดี,1,1930-01-01,,0,,1,0\n"
    "3,สมศักดิ์,ใจดี,1,1935-01-01,,0,,1,0\n4,มาลี,ศรีสุข,0,1932-01-01,,0,,0,0\n"
    "5,แก้ว,ใจดี,0,1960-01-01,,0,,2,4\n6,Somchai,A,1,,,0,,3,0\n7,Somchai,B,1,,,0,,0,0\n";

TEST(RelationCommandTest, PrintsTheTermOrSaysWhatWentWrong) {
    testing::FamilyFiles files;
    const QString path = files.write("family.mdb", kFamily, "2,4,1\n");
    const QString missing = files.path("missing.mdb");
    struct Case {
        QStringList arguments;
        int status;
        QString out;
        QString err;  // checked when not empty
    };
    const Case cases[] = {
        {{"แก้ว", "สมศักดิ์"}, 0, "อา\n", ""},
        {{"สมศักดิ์", "แก้ว"}, 0, "หลานสาว\n", ""},
        {{"แก้ว", "มาลี"}, 0, "แม่\n", ""},
        {{"somCHAI", "สมศักดิ์"}, 0, "พ่อ\n", ""},  // letter case ignored
        {{"--codes", "7", "3"}, 0, "ไม่เป็นญาติ\n", ""},
        {{"5", "1", "--codes"}, 0, "ปู่\n", ""},
        {{"ไม่มีใคร", "แก้ว"}, 1, "", "NOT FOUND\n"},
        {{"แก้ว", "ไม่มีใคร"}, 1, "", "NOT FOUND\n"},
        {{"--codes", "5", "99"}, 1, "", "NOT FOUND\n"},
        {{"--codes", "0", "5"}, 1, "", "NOT FOUND\n"},
        {{"--codes", "แก้ว", "5"}, 2, "", ""},
        {{"แก้ว"}, 2, "", ""},
        {{"แก้ว", "มาลี", "ทองดี"}, 2, "", ""},
    };
    for (const Case& c : cases) {
        const testing::ProcessRun run = testing::runProcess(
            QStringLiteral(KINMORA_CLI), QStringList{"relation", path} + c.arguments);
        const std::string what = c.arguments.join(' ').toStdString();
        EXPECT_EQ(run.status, c.status) << what;
        EXPECT_EQ(run.out, c.out) << what;
        if (!c.err.isEmpty()) EXPECT_EQ(run.err, c.err) << what;
    }
    const testing::ProcessRun run =
        testing::runProcess(QStringLiteral(KINMORA_CLI), {"relation", missing, "a", "b"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err,
              "kinmora-cli: " + missing + ": cannot be opened: No such file or directory\n");
}

}  // namespace
}  // namespace kinmora
