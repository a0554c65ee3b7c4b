// Every file the fuzzers found that crashes, hangs, exhausts or floods libmdb
// is refused by the program's open with a FamilyFileError, in bounded time,
// printing nothing and leaving the file as it was.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <chrono>
#include <cstdio>
#include <optional>

#include "data/family_database.h"
#include "data/family_file_error.h"
#include "support/family_files.h"

namespace kinmora {
namespace {

// The reader is stopped after 3 s of silence, or past its budget (5 s for a
// small file); the rest is room for a busy machine.
constexpr std::chrono::seconds kBound{20};

QStringList reproducers() {
    const QDir folder(QStringLiteral(KINMORA_REPRODUCERS_DIR));
    QStringList files = folder.entryList(QDir::Files, QDir::Name);
    files.removeAll(QStringLiteral("README.md"));
    return files;
}

// Opens `path` with standard output and error going to `capture`, and returns
// the error it was refused with, or nothing when it opened. A hung open cannot be
// interrupted from inside, so the alarm's default action ends the test.
std::optional<FamilyFileError> refusal(const QString& path, const QString& capture) {
    // Unbuffered, so that whatever the reader child writes arrives at once
    // instead of waiting in a buffer it never flushes.
    std::fflush(stdout);
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const int out = ::dup(STDOUT_FILENO);
    const int err = ::dup(STDERR_FILENO);
    const int file = ::open(capture.toLocal8Bit().constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ::dup2(file, STDOUT_FILENO);
    ::dup2(file, STDERR_FILENO);
    ::close(file);
    ::alarm(static_cast<unsigned>(kBound.count()));
    std::optional<FamilyFileError> error;
    try {
        FamilyDatabase::open(path);
    } catch (const FamilyFileError& e) {
        error = e;
    }
    ::alarm(0);
    ::dup2(out, STDOUT_FILENO);
    ::dup2(err, STDERR_FILENO);
    ::close(out);
    ::close(err);
    return error;
}

class Reproducer : public ::testing::TestWithParam<QString> {};

TEST_P(Reproducer, IsRefusedQuietlyInTimeAndLeftUnchanged) {
    QFile source(QDir(QStringLiteral(KINMORA_REPRODUCERS_DIR)).filePath(GetParam()));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QByteArray bytes = source.readAll();
    testing::FamilyFiles dir;
    const QString path = dir.writeFile(QStringLiteral("family.mdb"), bytes);

    const QString output = dir.path(QStringLiteral("output.txt"));
    const auto start = std::chrono::steady_clock::now();
    const std::optional<FamilyFileError> error = refusal(path, output);
    EXPECT_LT(std::chrono::steady_clock::now() - start, kBound);
    ASSERT_TRUE(error.has_value()) << "opened without a complaint";
    EXPECT_EQ(error->path(), path);
    EXPECT_FALSE(error->reason().isEmpty());

    QFile printed(output);
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
    EXPECT_EQ(printed.size(), 0) << "printed: " << printed.read(400).toStdString();
    QFile after(path);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_TRUE(after.readAll() == bytes) << "the file changed";
}

INSTANTIATE_TEST_SUITE_P(Fuzz, Reproducer, ::testing::ValuesIn(reproducers()),
                         [](const ::testing::TestParamInfo<QString>& info) {
                             QString name = info.param;
                             for (QChar& c : name)
                                 if (!c.isLetterOrNumber()) c = QLatin1Char('_');
                             return name.toStdString();
                         });

}  // namespace
}  // namespace kinmora
