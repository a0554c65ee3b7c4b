// `kinmora-cli picture` as scripts use it: the file it writes and its exit
// statuses, the same as `kinmora-cli chart` gives for the same person.
#include <gtest/gtest.h>

#include <QFile>

#include "support/family_files.h"
#include "support/process_runner.h"

namespace kinmora {
namespace {

int cli(const QStringList& arguments, QString* err = nullptr) {
    const testing::ProcessRun run = testing::runProcess(QStringLiteral(KINMORA_CLI), arguments);
    if (err) *err = run.err;
    return run.status;
}

class PictureCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_path = m_files.write("family.mdb",
                               "1,ปู่,ศรีสุข,1,1900-01-01,1970-01-01,1,,0,0\n"
                               "2,ย่า,,0,,,1,,0,0\n"
                               "3,พ่อ,ศรีสุข,1,1950-06-15,,0,,1,2\n",
                               "1,2,1\n");
    }
    testing::FamilyFiles m_files;
    QString m_path;
};

TEST_F(PictureCliTest, WritesTheTypeItsOutputNames) {
    for (const char* type : {"pdf", "svg", "png"}) {
        const QString out = m_files.path(QStringLiteral("chart.") + QLatin1String(type));
        QString err;
        EXPECT_EQ(cli({"picture", m_path, "--name", "พ่อ", "--side", "mother", "-o", out}, &err), 0)
            << err.toStdString();
        QFile file(out);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << type;
        const QByteArray head = file.read(8);
        EXPECT_TRUE(head.startsWith(type == std::string("pdf")   ? "%PDF"
                                    : type == std::string("png") ? "\x89PNG"
                                                                 : "<?xml"))
            << type;
    }
    EXPECT_EQ(cli({"picture", m_path, "-o", m_files.path("tiles.pdf"), "--paper", "a3", "--tiles"}),
              0);
    EXPECT_EQ(cli({"picture", m_path, "-o", m_files.path("low.png"), "--dpi", "30"}), 0);
}

TEST_F(PictureCliTest, ExitStatusesAreThoseOfTheChartCommand) {
    const QString out = m_files.path("chart.pdf");
    QString err;
    EXPECT_EQ(cli({"picture", m_path, "--name", "ไม่มี", "-o", out}, &err), 1);
    EXPECT_TRUE(err.endsWith(QStringLiteral("NOT FOUND\n"))) << err.toStdString();
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_EQ(cli({"picture", m_files.path("missing.mdb"), "-o", out}), 2);
    // Mistakes on the command line, caught before the family file is read.
    for (const QStringList& words :
         {QStringList{"picture", m_path},
          QStringList{"picture", m_path, "-o", m_files.path("c.jpg")},
          QStringList{"picture", m_path, "--side", "aunt", "-o", out},
          QStringList{"picture", m_path, "-o", m_files.path("c.svg"), "--tiles"},
          QStringList{"picture", m_path, "-o", out, "--paper", "letter"},
          QStringList{"picture", m_path, "-o", m_files.path("c.png"), "--dpi", "0"},
          QStringList{"picture", m_path, "-o", out, "--dpi", "300"}}) {
        EXPECT_EQ(cli(words, &err), 2) << words.join(' ').toStdString();
        EXPECT_TRUE(err.contains(QLatin1String("Try 'kinmora-cli picture --help'")))
            << err.toStdString();
    }
}

}  // namespace
}  // namespace kinmora
