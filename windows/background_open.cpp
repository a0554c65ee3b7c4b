// The reading thread only reads: the progress it hears is kept in atomics
// that a timer on the user-interface thread shows, and its result or error
// is handed back to the thread that asked.
#include "windows/background_open.h"

#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>

#include "windows/chart_window.h"

namespace kinmora {
namespace {

constexpr int kShowEveryMs = 100;

class SharedProgress : public ReadProgress {
public:
    void progress(const QString& table, std::uint64_t done, std::uint64_t expected) override {
        const std::lock_guard lock(m_mutex);
        m_table = table;
        m_percent = expected == 0
                        ? 0
                        : static_cast<int>(std::min<std::uint64_t>(99, done * 100 / expected));
    }
    bool cancelled() const override { return m_cancelled.load(); }
    void cancel() { m_cancelled = true; }
    // What panel 1 shows: "กำลังอ่าน family ... 45%".
    QString text() const {
        const std::lock_guard lock(m_mutex);
        return m_table.isEmpty() ? QStringLiteral("กำลังอ่าน ...")
                                 : QStringLiteral("กำลังอ่าน %1 ... %2%").arg(m_table).arg(m_percent);
    }

private:
    mutable std::mutex m_mutex;
    QString m_table;
    int m_percent = 0;
    std::atomic<bool> m_cancelled{false};
};

SharedProgress* g_current = nullptr;  // the read now running, on the user-interface thread

}  // namespace

std::unique_ptr<FamilyDatabase> BackgroundOpen::run(ChartWindow& main, const QString& path,
                                                    ReadOptions options) {
    SharedProgress progress;
    options.progress = &progress;
    std::unique_ptr<FamilyDatabase> database;
    std::exception_ptr failure;
    QEventLoop loop;
    QThread* thread = QThread::create([&] {
        try {
            database = FamilyDatabase::open(path, options);
        } catch (...) {
            failure = std::current_exception();
        }
    });
    QObject::connect(thread, &QThread::finished, &loop, &QEventLoop::quit);
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, &loop, [&] { main.showReading(progress.text()); });

    SharedProgress* const outer = g_current;  // a start-up open inside a dialog's loop
    g_current = &progress;
    main.beginReading();
    main.showReading(progress.text());
    ticker.start(kShowEveryMs);
    thread->start();
    loop.exec();
    thread->wait();
    delete thread;
    ticker.stop();
    main.endReading();
    g_current = outer;
    if (failure) std::rethrow_exception(failure);
    return database;
}

bool BackgroundOpen::running() {
    return g_current != nullptr;
}

void BackgroundOpen::cancel() {
    if (g_current) g_current->cancel();
}

}  // namespace kinmora
