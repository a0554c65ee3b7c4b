// A piece of long work (reading a file, building a chart, writing a picture)
// run on a thread of its own while the window keeps answering: the work
// reports how far it is and hears whether it was cancelled; the job signals
// its end on the thread that started it.
#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <exception>
#include <functional>
#include <mutex>

class QThread;

namespace kinmora {

// What the work is handed: where to say how far it is, and whether to stop.
// Both may be called from any thread.
class JobControl {
public:
    void report(const QString& text);
    QString lastReport() const;
    bool cancelled() const { return m_cancelled.load(); }
    void cancel() { m_cancelled = true; }

private:
    mutable std::mutex m_mutex;
    QString m_report;
    std::atomic<bool> m_cancelled{false};
};

class BackgroundJob : public QObject {
    Q_OBJECT

public:
    using Work = std::function<void(JobControl&)>;

    // `work` runs once start() is called; what it throws is kept for failure().
    explicit BackgroundJob(Work work, QObject* parent = nullptr);
    // Cancels work still running and waits for its end.
    ~BackgroundJob() override;

    void start();
    // Asks the work to stop; it ends at its next check.
    void cancel() { m_control.cancel(); }
    bool wasCancelled() const { return m_control.cancelled(); }
    // What the work last reported; empty before its first report.
    QString progressText() const { return m_control.lastReport(); }
    // What the work threw; null when it ended normally. Valid after finished().
    std::exception_ptr failure() const { return m_failure; }
    // Blocks until the work has ended (shutting down only).
    void wait();

signals:
    // The work has ended, normally, by an exception or cancelled.
    void finished();

private:
    Work m_work;
    JobControl m_control;
    QThread* m_thread = nullptr;
    std::exception_ptr m_failure;
};

}  // namespace kinmora
