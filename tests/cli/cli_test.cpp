// kinmora-cli as scripts use it: its output, word for word, the files it
// writes and its exit statuses.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include "support/family_files.h"
#include "support/file_patches.h"
#include "support/process_runner.h"

namespace kinmora {
namespace {

using testing::ProcessRun;

// KINMORA_PASSWORD is always set, empty for none, so that the caller's own never leaks in.
ProcessRun cli(const QStringList& arguments, const QString& password = {},
               const QString& locale = QStringLiteral("C.UTF-8")) {
    return testing::runProcess(
        QStringLiteral(KINMORA_CLI), arguments,
        {{}, {{QStringLiteral("LC_ALL"), locale}, {QStringLiteral("KINMORA_PASSWORD"), password}}});
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

TEST_F(CliTest, ChartAndPersonPrintTheirLines) {
    const ProcessRun run = cli({"chart", m_path});  // first person in name order: ปู่
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("0\tRoot\tno upper\tnoupper\t1\n"
                                      "1\tM1\tปู่\tcmale\t0\n"
                                      "2\tM2\tย่า\twife\t0\n"
                                      "3\tM3\tพ่อ\tmale\t0\n"
                                      "4\tM4\tสมศรี\twife\t0\n"
                                      "status\t  รวมทั้งสิ้น 4  รายชื่อ\n"));
    const ProcessRun mother = cli({"chart", m_path, "--name", "พ่อ", "--side", "mother"});
    EXPECT_TRUE(mother.out.startsWith(
        QStringLiteral("0\tRoot\tno upper\tnoupper\t1\n1\tM1\tย่า\tfemale\t1\n")));
    // Person prints the nine texts of the window; search is in the table of statuses below.
    const ProcessRun person = cli({"person", m_path, "พ่อ", "--now", "2000-06-15 12:00:00"});
    EXPECT_EQ(person.status, 0) << person.err.toStdString();
    EXPECT_EQ(person.out, QStringLiteral("name\tพ่อ\n"
                                         "surname\tศรีสุข\n"
                                         "sex\tชาย\n"
                                         "born\t15/06/2493\n"
                                         "died\t\n"
                                         "age\tอายุ 50  ปี  1  วัน\n"  // 18,263.5 days
                                         "father\tปู่   ศรีสุข\n"
                                         "mother\tย่า   \n"
                                         "biography\tบรรทัดแรก\\nบรรทัดสอง \n"));
}

// Access lets a family's numbers be kept as Byte, Integer, Long, Single,
// Double or Currency, Yes/No as a number, and codes as text, and a family may
// keep photos in an OLE Object field: every command reads such a file as it
// reads its twin of the usual types, in every format.
TEST_F(CliTest, FieldsOfEveryTypeGiveTheSameFamily) {
    const std::string family =
        "code:long,name,surname,sex:byte,born,die,still:int,biography,fathercode:double,"
        "mothercode:currency,photo:ole\n"
        "1,ปู่,ศรีสุข,1,1900-01-01,1970-01-01,-1,,0,0,\n"
        "2,ย่า,,0,,,1,,0.0,0,\n"
        "3,พ่อ,ศรีสุข,1,1950-06-15,,0,\"บรรทัดแรก\nบรรทัดสอง\",1,2,\n"
        "4,สมศรี,ใจดี,0,1952-01-01,,0,,0,0,\n";
    const std::string married =
        "fathercode:single,mothercode:byte,wedding:currency\n1,2,1\n3,4,2\n";
    const std::string texts =
        "code:text,name,surname,sex,born,die,still,biography,fathercode:text,mothercode:text\n" +
        std::string(kFamily);
    const QStringList commands[] = {
        {"chart"},        {"chart", "--name", "พ่อ", "--side", "mother"},
        {"search", "ศรี"}, {"person", "พ่อ", "--now", "2000-01-01 00:00:00"},
        {"person", "ย่า"}, {"relation", "สมศรี", "ย่า"},
        {"gedcom"}};
    for (const testing::FileFormat format : testing::kAllFormats) {
        const QString name = QString::fromStdString(testing::formatName(format));
        const QString usual =
            m_files.write(name + "-usual.mdb", kFamily, "1,2,1\n3,4,2\n", {format, ""});
        const QString sized = m_files.writeTables(
            name + "-sized.mdb", {{"family", family}, {"married", married}}, {format, ""});
        const QString coded = m_files.writeTables(
            name + "-texts.mdb",
            {{"family", texts},
             {"married", "fathercode:text,mothercode:text,wedding\n1,2,1\n3,4,2\n"}},
            {format, ""});
        for (const QStringList& command : commands) {
            const auto run = [&](const QString& path) {
                const ProcessRun out = cli(QStringList{command.first(), path} + command.mid(1));
                EXPECT_EQ(out.status, 0) << out.err.toStdString();
                // The GEDCOM header holds the moment of writing, which differs
                // between two runs that straddle a second.
                static const QRegularExpression written(QStringLiteral("^1 DATE .*\\n2 TIME .*$"),
                                                        QRegularExpression::MultilineOption);
                return QString(out.out)
                    .replace(QFileInfo(path).fileName(), "FILE")
                    .replace(written, "WRITTEN");
            };
            const QString expected = run(usual);
            EXPECT_EQ(run(sized), expected)
                << name.toStdString() << " " << command.join(' ').toStdString();
            EXPECT_EQ(run(coded), expected)
                << name.toStdString() << " texts " << command.join(' ').toStdString();
        }
    }
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

// Status 1 with NOT FOUND; 2 with one line for a file that cannot be read
// (in UTF-8 whatever the locale) and for a mistake on the command line; the
// relation's term; a count the married table does not hold warns in one line
// and reads on.
TEST_F(CliTest, RelationsAndFailuresGiveTheirStatusAndOneLine) {
    struct Case {
        QStringList arguments;
        int status;
        QString err;  // checked when not empty
        QString out = {};
    };
    const QString missing = m_files.path(QStringLiteral("ตระกูล.mdb"));
    const QString out = m_files.path("chart.pdf");
    const QString stale = m_files.write("stale.mdb", kFamily);
    testing::setRowCount(stale, 0, 2);
    const QString gap(10, QLatin1Char(' '));
    const Case cases[] = {
        {{"chart", m_path, "--name", "ไม่มีใคร"}, 1, "NOT FOUND\n"},
        {{"search", m_path, "zzz"}, 1, "NOT FOUND\n"},
        {{"person", m_path, "ไม่มีใคร"}, 1, "NOT FOUND\n"},
        {{"picture", m_path, "--name", "ไม่มี", "-o", out}, 1, {}},  // Qt may warn first
        {{"chart", missing},
         2,
         "kinmora-cli: " + missing + ": cannot be opened: No such file or directory\n"},
        {{"picture", missing, "-o", out}, 2, {}},
        {{"chart", m_path, "--colour", "red"},
         2,
         "kinmora-cli: unknown option '--colour'\n"
         "Try 'kinmora-cli chart --help' for more information.\n"},
        {{"chart"}, 2, {}},
        {{"draw", m_path}, 2, {}},
        {{"chart", m_path, "--side", "left"}, 2, {}},
        {{"person", m_path, "พ่อ", "--now", "yesterday"}, 2, {}},
        {{"site", m_path}, 2, {}},
        {{"site", m_path, "-o", m_files.path("site"), "--living", "some"},
         2,
         "kinmora-cli: --living takes names or full, not some\n"
         "Try 'kinmora-cli site --help' for more information.\n"},
        {{"gedcom", m_path, "--living", "all"}, 2, {}},
        {{"site", missing, "-o", m_files.path("site")}, 2, {}},
        // A folder of other files is not replaced by a site.
        {{"site", m_path, "-o", m_files.path("")},
         2,
         "kinmora-cli: " + QDir(m_files.path("")).absolutePath() +
             " holds files that are not a family website; give an empty or new folder\n"},
        {{"relation", m_path, "พ่อ", "ปู่"}, 0, {}, "ปู่เป็นพ่อของพ่อ\n"},
        {{"relation", m_path, "1", "3", "--codes"}, 0, {}, "พ่อเป็นลูกชายของปู่\n"},
        {{"relation", m_path, "พ่อ", "พ่อ"}, 0, {}, "ทั้งสองคือพ่อคนเดียวกัน\n"},
        {{"relation", m_path, "พ่อ", "ไม่มีใคร"}, 1, "NOT FOUND\n"},
        {{"relation", m_path, "--codes", "1", "99"}, 1, "NOT FOUND\n"},
        {{"relation", m_path, "--codes", "พ่อ", "1"}, 2, {}},
        {{"relation", m_path, "พ่อ"}, 2, {}},
        {{"relation", m_path, "พ่อ", "ย่า", "ปู่"}, 2, {}},
        {{"search", stale, "ศรี"},
         0,
         "kinmora-cli: " + stale +
             ": warning: damaged, showing what could be read: table married should hold 2 rows "
             "but holds none\n",
         "ปู่" + gap + "ศรีสุข\nพ่อ" + gap + "ศรีสุข\nสมศรี" + gap + "ใจดี\n"},
    };
    for (const Case& c : cases) {
        const ProcessRun run = cli(c.arguments, {}, QStringLiteral("C"));
        EXPECT_EQ(run.status, c.status) << c.arguments.join(' ').toStdString();
        if (!c.err.isEmpty()) {
            EXPECT_EQ(run.err, c.err) << c.arguments.join(' ').toStdString();
        }
        EXPECT_EQ(run.out, c.out) << c.arguments.join(' ').toStdString();
    }
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_FALSE(QFile::exists(m_files.path("site")));
}

// A password file opens in every command with --password or
// KINMORA_PASSWORD, and says which is missing or wrong with status 2.
TEST_F(CliTest, APasswordFileOpensOnlyWithItsPasswordInEveryCommand) {
    const QString locked =
        m_files.write("locked.mdb", kFamily, "1,2,1\n", {testing::FileFormat::Access2000, "ลับ9"});
    const QString csv = m_files.path("f.csv");
    const QStringList commands[] = {{"chart", locked},        {"search", locked, "ศรี"},
                                    {"person", locked, "พ่อ"}, {"relation", locked, "พ่อ", "ปู่"},
                                    {"gedcom", locked},       {"csv", locked, "--family", csv}};
    for (const QStringList& command : commands) {
        const ProcessRun none = cli(command);
        EXPECT_EQ(none.status, 2) << none.err.toStdString();
        EXPECT_TRUE(none.err.contains(QStringLiteral("--password"))) << none.err.toStdString();
        // The option comes before the environment.
        const ProcessRun wrong = cli(command + QStringList{"--password", "ลับ"}, "ลับ9");
        EXPECT_EQ(wrong.status, 2) << wrong.err.toStdString();
        EXPECT_TRUE(wrong.err.contains(QStringLiteral("password given is not it")));
        EXPECT_EQ(cli(command + QStringList{"--password", "ลับ9"}).status, 0);
        EXPECT_EQ(cli(command, "ลับ9").status, 0) << command.join(' ').toStdString();
    }
}

TEST_F(CliTest, PictureWritesTheTypeItsOutputNames) {
    for (const auto& [type, head] :
         {std::pair{"pdf", "%PDF"}, std::pair{"svg", "<?xml"}, std::pair{"png", "\x89PNG"}}) {
        const QString out = m_files.path(QStringLiteral("chart.") + QLatin1String(type));
        const ProcessRun run =
            cli({"picture", m_path, "--name", "พ่อ", "--side", "mother", "-o", out});
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        QFile file(out);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << type;
        EXPECT_TRUE(file.read(8).startsWith(head)) << type;
    }
    const QString tiles = m_files.path("tiles.pdf");
    EXPECT_EQ(cli({"picture", m_path, "-o", tiles, "--paper", "a3", "--tiles"}).status, 0);
    EXPECT_EQ(cli({"picture", m_path, "-o", m_files.path("low.png"), "--dpi", "30"}).status, 0);
    // Mistakes on the command line, caught before the family file is read.
    const QString pdf = m_files.path("c.pdf"), png = m_files.path("c.png");
    for (const QStringList& words :
         {QStringList{"picture", m_path},
          QStringList{"picture", m_path, "-o", m_files.path("c.jpg")},
          QStringList{"picture", m_path, "-o", m_files.path("c.svg"), "--tiles"},
          QStringList{"picture", m_path, "-o", pdf, "--paper", "letter"},
          QStringList{"picture", m_path, "-o", png, "--dpi", "0"},
          QStringList{"picture", m_path, "-o", pdf, "--dpi", "300"}}) {
        const ProcessRun run = cli(words);
        EXPECT_EQ(run.status, 2) << words.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(QLatin1String("Try 'kinmora-cli picture --help'")))
            << run.err.toStdString();
    }
}

// kinmora-cli becomes kinmora-picture, found in ../libexec/kinmora as
// installed, with the same words, standard streams and exit status.
TEST_F(CliTest, PictureIsHandedToKinmoraPictureOrSaysItIsMissing) {
    const QDir root(m_files.path("."));
    ASSERT_TRUE(root.mkpath("bin") && root.mkpath("libexec/kinmora"));
    const QString alone = m_files.path("bin/kinmora-cli");
    ASSERT_TRUE(QFile::copy(QStringLiteral(KINMORA_CLI), alone));
    const QStringList words{"picture", m_path, "--name", "ปู่ ศรีสุข", "-o", "ผัง.png"};

    const ProcessRun missing = testing::runProcess(alone, words);
    EXPECT_EQ(missing.status, 2);
    EXPECT_TRUE(missing.err.startsWith("kinmora-cli: cannot draw the picture:") &&
                missing.err.contains("kinmora-picture"))
        << missing.err.toStdString();
    // Help, whatever the command, is kinmora-cli's own, on standard output.
    const ProcessRun help = testing::runProcess(alone, {"picture", "--help"});
    EXPECT_TRUE(help.status == 0 && help.out.startsWith("Usage: kinmora-cli picture FILE"));

    m_files.writeScript("libexec/kinmora/kinmora-picture",
                        "printf '%s\\n' \"$@\"\necho drawn >&2\nexit 7");
    const ProcessRun run = testing::runProcess(alone, words);
    EXPECT_EQ(run.status, 7);
    EXPECT_EQ(run.out, words.join('\n') + '\n');
    EXPECT_EQ(run.err, "drawn\n");
}

}  // namespace
}  // namespace kinmora
