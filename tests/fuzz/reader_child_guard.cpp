// The child-side work runs in a pthread_atfork handler, the only place a fuzz
// target can reach the child of a fork made deep inside ReaderProcess.
#include "fuzz/reader_child_guard.h"

#include <fcntl.h>
#include <pthread.h>
#include <sanitizer/common_interface_defs.h>
#include <sys/time.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace kinmora::fuzz {
namespace {

// The program limits the reader to 3 GB beyond what it starts with; under
// AddressSanitizer that limit no longer holds (its heap is reserved up
// front), so resident memory is watched instead, with room for the shadow.
constexpr long kMaxResidentBytes = 4L << 30;

QTemporaryDir* g_reports = nullptr;
char g_reportPrefix[512];

void checkResident(int) {
    const int fd = ::open("/proc/self/statm", O_RDONLY | O_CLOEXEC);
    if (fd < 0) return;
    char text[128];
    const ssize_t n = ::read(fd, text, sizeof text - 1);
    ::close(fd);
    if (n <= 0) return;
    text[n] = '\0';
    // The second field: resident pages.
    const char* p = text;
    while (*p && *p != ' ') ++p;
    long pages = 0;
    for (++p; *p >= '0' && *p <= '9'; ++p) pages = pages * 10 + (*p - '0');
    if (pages * ::sysconf(_SC_PAGESIZE) > kMaxResidentBytes) ::kill(::getpid(), SIGKILL);
}

void inChild() {
    // libFuzzer's handlers would treat the child's end as the fuzzer's own
    // crash or timeout; the program's reader simply dies of them.
    for (const int signal : {SIGABRT, SIGILL, SIGINT, SIGTERM, SIGUSR1, SIGUSR2, SIGXFSZ, SIGALRM})
        std::signal(signal, SIG_DFL);
    __sanitizer_set_death_callback(nullptr);
    __sanitizer_set_report_path(g_reportPrefix);

    struct sigaction watch {};
    watch.sa_handler = checkResident;
    watch.sa_flags = SA_RESTART;
    ::sigaction(SIGALRM, &watch, nullptr);
    const itimerval every{{0, 100000}, {0, 100000}};
    ::setitimer(ITIMER_REAL, &every, nullptr);
}

}  // namespace

void ReaderChildGuard::install() {
    if (g_reports) return;
    g_reports = new QTemporaryDir(QDir::tempPath() + QStringLiteral("/kinmora-fuzz-XXXXXX"));
    if (!g_reports->isValid()) {
        std::fprintf(stderr, "cannot make a folder for the reader's reports\n");
        std::abort();
    }
    std::atexit([] { delete g_reports; });
    std::snprintf(g_reportPrefix, sizeof g_reportPrefix, "%s/child",
                  g_reports->path().toLocal8Bit().constData());
    ::pthread_atfork(nullptr, nullptr, inChild);
}

bool ReaderChildGuard::faultInLibmdb(const QString& report) {
    static const QRegularExpression frame(QStringLiteral(R"(^\s*#\d+ 0x[0-9a-f]+ (.*)$)"),
                                          QRegularExpression::MultilineOption);
    static const QRegularExpression runtime(QStringLiteral(
        R"(compiler-rt|libclang_rt|/libc\.so|libc-|libstdc\+\+|in __asan|in __ubsan|in __sanitizer|in __interceptor_)"));
    static const QRegularExpression libmdb(QStringLiteral(R"(libmdb\.so|libglib-2\.0\.so)"));
    for (auto match = frame.globalMatch(report); match.hasNext();) {
        const QString where = match.next().captured(1);
        if (runtime.match(where).hasMatch()) continue;
        return libmdb.match(where).hasMatch();
    }
    return false;
}

void ReaderChildGuard::checkReports() {
    QDir folder(g_reports->path());
    for (const QString& name : folder.entryList(QDir::Files)) {
        QFile file(folder.filePath(name));
        QString report;
        if (file.open(QIODevice::ReadOnly)) report = QString::fromUtf8(file.readAll());
        file.remove();
        if (!faultInLibmdb(report)) {
            std::fprintf(stderr, "The reader child stopped on a fault outside libmdb:\n%s\n",
                         report.toLocal8Bit().constData());
            std::abort();
        }
    }
}

}  // namespace kinmora::fuzz
