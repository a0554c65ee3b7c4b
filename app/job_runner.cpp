// Quick work (a small chart, a short search) ends before the progress
// would show, so the status bar does not flicker.
#include "app/job_runner.h"

#include <QPushButton>
#include <QShortcut>

#include "app/status_panels.h"

namespace kinmora {
namespace {

constexpr int kTickMs = 100;
constexpr int kTicksBeforeShowing = 2;  // 0.2 s

}  // namespace

JobRunner::JobRunner(StatusPanels& status, QWidget& window) : QObject(&window), m_status(status) {
    m_cancel = new QPushButton(QStringLiteral("ยกเลิก"), &status);
    m_cancel->setObjectName(QStringLiteral("cancelJob"));
    m_cancel->setFocusPolicy(Qt::NoFocus);
    // The button keeps its room while hidden, so panel 2 stays where it is.
    QSizePolicy keepRoom = m_cancel->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    m_cancel->setSizePolicy(keepRoom);
    status.addPermanentWidget(m_cancel);
    m_cancel->hide();
    connect(m_cancel, &QPushButton::clicked, this, &JobRunner::cancel);
    m_escape = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
    m_escape->setEnabled(false);
    connect(m_escape, &QShortcut::activated, this, &JobRunner::cancel);
    m_progressTimer.setInterval(kTickMs);
    connect(&m_progressTimer, &QTimer::timeout, this, &JobRunner::showProgress);
}

JobRunner::~JobRunner() {
    stop();
}

bool JobRunner::run(BackgroundJob::Work work, Done done) {
    if (m_job) return false;
    m_job = std::make_unique<BackgroundJob>(std::move(work));
    m_done = std::move(done);
    connect(m_job.get(), &BackgroundJob::finished, this, &JobRunner::finish);
    m_statusBefore = m_status.panelText(1);
    m_ticks = 0;
    m_escape->setEnabled(true);
    m_progressTimer.start();
    emit busyChanged(true);
    m_job->start();
    return true;
}

void JobRunner::cancel() {
    if (m_job) m_job->cancel();
}

void JobRunner::stop() {
    if (!m_job) return;
    m_job->cancel();
    m_job->wait();
    m_job.reset();
    m_done = nullptr;
}

void JobRunner::showProgress() {
    if (++m_ticks < kTicksBeforeShowing || !m_job) return;
    m_cancel->show();
    const QString text = m_job->progressText();
    if (!text.isEmpty()) m_status.setPanelText(1, text);
}

void JobRunner::finish() {
    m_progressTimer.stop();
    m_cancel->hide();
    m_escape->setEnabled(false);
    m_status.setPanelText(1, m_statusBefore);
    // Taken out first: `done` may start the next job.
    std::unique_ptr<BackgroundJob> job = std::move(m_job);
    Done done = std::move(m_done);
    emit busyChanged(false);
    if (done) done(*job);
}

}  // namespace kinmora
