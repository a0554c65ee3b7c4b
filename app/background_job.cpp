// The thread only runs the work; the result stays in the job until the
// finished signal, which arrives on the job's own thread.
#include "app/background_job.h"

#include <QThread>

namespace kinmora {

void JobControl::report(const QString& text) {
    const std::lock_guard lock(m_mutex);
    m_report = text;
}

QString JobControl::lastReport() const {
    const std::lock_guard lock(m_mutex);
    return m_report;
}

BackgroundJob::BackgroundJob(Work work, QObject* parent)
    : QObject(parent), m_work(std::move(work)) {}

BackgroundJob::~BackgroundJob() {
    cancel();
    wait();
}

void BackgroundJob::start() {
    if (m_thread) return;
    m_thread = QThread::create([this] {
        try {
            m_work(m_control);
        } catch (...) {
            m_failure = std::current_exception();
        }
    });
    // Queued to this object's thread, which the thread is about to leave.
    connect(m_thread, &QThread::finished, this, [this] {
        wait();
        emit finished();
    });
    m_thread->start();
}

void BackgroundJob::wait() {
    if (!m_thread) return;
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
}

}  // namespace kinmora
