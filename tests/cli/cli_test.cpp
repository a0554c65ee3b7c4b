// kinmora-cli as scripts use it: its output, word for word, and its exit statuses.
#include <gtest/gtest.h>

#include "support/family_files.h"
#include "support/file_patches.h"
#include "support/process_runner.h"

namespace kinmora {
namespace {

using testing::ProcessRun;

ProcessRun cli(const QStringList& arguments, const QString& locale = QStringLiteral("C.UTF-8")) {
    return testing::runProcess(QStringLiteral(KINMORA_CLI), arguments,
                               {{}, {{QStringLiteral("LC_ALL"), locale}}});
}

const char kFamily[] =
    "1,ปู่,ศรีสุข,1,1900-01-01,1970-01-01,1,,0,0\n"
    "2,ย่า,,0,,,1,,0,0\n"
    "3,พ่อ,ศรีสุข,1,1950-06-15,,0,\"บรรทัดแรก\nบรรทัดสอง\",1,2\n"
    "4,สมศรี,ใจดี,0,1952-01-01,,0,,0,0\n";

class CliTest : public ::testing::Test {
protected:
    void SetUp() override { m_path = m_files.write("family.mdb", kFamily, "1,2,1\n3,4,2\n"); }
    testing::FamilyFiles m_files;
    QString m_path;
};

TEST_F(CliTest, ChartPrintsOneTabSeparatedLinePerNodeAndTheStatus) {
    const ProcessRun run = cli({"chart", m_path});  // first person in name order: ปู่
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("0\tRoot\tno upper\tnoupper\t1\n"
                                      "1\tM1\tปู่\tcmale\t0\n"
                                      "2\tM2\tย่า\twife\t0\n"
                                      "3\tM3\tพ่อ\tmale\t0\n"
                                      "4\tM4\tสมศรี\twife\t0\n"
                                      "status\t  รวมทั้งสิ้น 4  รายชื่อ\n"));
}

TEST_F(CliTest, ChartFollowsTheChosenSide) {
    const ProcessRun father = cli({"chart", m_path, "--name", "พ่อ"});
    EXPECT_TRUE(father.out.startsWith(
        QStringLiteral("0\tRoot\tno upper\tnoupper\t1\n1\tM1\tปู่\tmale\t1\n")));
    const ProcessRun mother = cli({"chart", m_path, "--name", "พ่อ", "--side", "mother"});
    EXPECT_TRUE(mother.out.startsWith(
        QStringLiteral("0\tRoot\tno upper\tnoupper\t1\n1\tM1\tย่า\tfemale\t1\n")));
}

TEST_F(CliTest, SearchPrintsHitLinesInNameOrder) {
    const ProcessRun run = cli({"search", m_path, "ศรี"});
    EXPECT_EQ(run.status, 0);
    const QString gap(10, QLatin1Char(' '));
    EXPECT_EQ(run.out, QStringLiteral("ปู่") + gap + QStringLiteral("ศรีสุข\n") + QStringLiteral("พ่อ") +
                           gap + QStringLiteral("ศรีสุข\n") + QStringLiteral("สมศรี") + gap +
                           QStringLiteral("ใจดี\n"));
}

TEST_F(CliTest, PersonPrintsTheNineTextsOfTheWindow) {
    const ProcessRun run = cli({"person", m_path, "พ่อ", "--now", "2000-06-15 12:00:00"});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("name\tพ่อ\n"
                                      "surname\tศรีสุข\n"
                                      "sex\tชาย\n"
                                      "born\t15/06/2493\n"
                                      "died\t\n"
                                      "age\tอายุ 50  ปี  1  วัน\n"  // 18,263.5 days
                                      "father\tปู่   ศรีสุข\n"
                                      "mother\tย่า   \n"
                                      "biography\tบรรทัดแรก\\nบรรทัดสอง \n"));
}

TEST_F(CliTest, CodePageOptionOverridesTheGuessInEveryCommand) {
    testing::setHeaderCodePage(m_path, 1252);
    EXPECT_EQ(cli({"search", m_path, "สมศรี"}).out,
              QStringLiteral("สมศรี") + QString(10, QLatin1Char(' ')) + QStringLiteral("ใจดี\n"));
    const ProcessRun latin = cli({"chart", m_path, "--code-page", "1252", "--name", "ÊÁÈÃÕ"});
    EXPECT_EQ(latin.status, 0) << latin.err.toStdString();
    EXPECT_TRUE(latin.out.contains(QStringLiteral("\tÊÁÈÃÕ\t"))) << latin.out.toStdString();
    EXPECT_EQ(cli({"person", m_path, "พ่อ", "--code-page", "874"}).status, 0);
    for (const char* bad : {"99999", "thai", ""})
        EXPECT_EQ(cli({"search", m_path, "x", "--code-page", bad}).status, 2) << bad;
}

TEST_F(CliTest, FailuresGiveTheirStatusAndOneLine) {
    struct Case {
        QStringList arguments;
        int status;
        QString err;
    };
    const QString missing = m_files.path("missing.mdb");
    const Case cases[] = {
        {{"chart", m_path, "--name", "ไม่มีใคร"}, 1, "NOT FOUND\n"},
        {{"search", m_path, "zzz"}, 1, "NOT FOUND\n"},
        {{"person", m_path, "ไม่มีใคร"}, 1, "NOT FOUND\n"},
        {{"chart", missing},
         2,
         "kinmora-cli: " + missing + ": cannot be opened: No such file or directory\n"},
    };
    for (const Case& c : cases) {
        const ProcessRun run = cli(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(run.err, c.err) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
    for (const QStringList& bad : {QStringList{"chart"}, QStringList{"draw", m_path},
                                   QStringList{"chart", m_path, "--side", "left"},
                                   QStringList{"person", m_path, "พ่อ", "--now", "yesterday"}})
        EXPECT_EQ(cli(bad).status, 2) << bad.join(' ').toStdString();
}

TEST_F(CliTest, HelpAndVersionGoToStandardOutput) {
    struct Case {
        QStringList arguments;
        QString starts;
    };
    const Case cases[] = {
        {{"--help"}, "Usage: kinmora-cli COMMAND"},
        {{"chart", "--help"}, "Usage: kinmora-cli chart FILE"},
        {{"person", m_path, "-h"}, "Usage: kinmora-cli person FILE NAME"},
        {{"--version"}, "kinmora-cli "},
    };
    for (const Case& c : cases) {
        const ProcessRun run = cli(c.arguments);
        EXPECT_EQ(run.status, 0) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(run.out.startsWith(c.starts)) << run.out.toStdString();
        EXPECT_TRUE(run.err.isEmpty());
    }
    EXPECT_TRUE(cli({"chart", "--help"}).out.contains(QStringLiteral("--side SIDE")));
    const ProcessRun bad = cli({"chart", m_path, "--colour", "red"});
    EXPECT_EQ(bad.err, QStringLiteral("kinmora-cli: unknown option '--colour'\n"
                                      "Try 'kinmora-cli chart --help' for more information.\n"));
}

// Messages are UTF-8 whatever the locale: a Thai file name survives LC_ALL=C.
TEST_F(CliTest, ThaiInAMessageSurvivesThePlainCLocale) {
    const QString missing = m_files.path(QStringLiteral("ตระกูล.mdb"));
    const ProcessRun run = cli({"chart", missing}, QStringLiteral("C"));
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("kinmora-cli: ") + missing +
                                   QStringLiteral(": cannot be opened")))
        << run.err.toStdString();
}

}  // namespace
}  // namespace kinmora
