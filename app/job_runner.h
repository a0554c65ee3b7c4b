// The main window's long work, one job at a time: while a job runs the
// window's commands are off, panel 1 shows its progress once it has taken
// longer than 0.2 s, and ยกเลิก or Esc cancels it.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/background_job.h"

class QPushButton;
class QShortcut;
class QWidget;

namespace kinmora {

class StatusPanels;

class JobRunner : public QObject {
    Q_OBJECT

public:
    using Done = std::function<void(BackgroundJob& job)>;

    // Shows progress in `status`, with the cancel button at its end; Esc
    // cancels while `window` is active.
    JobRunner(StatusPanels& status, QWidget& window);
    ~JobRunner() override;

    // Starts `work` off this thread; `done` runs here once it has ended,
    // however it ended. Returns false, starting nothing, while a job runs.
    bool run(BackgroundJob::Work work, Done done);
    bool isBusy() const { return m_job != nullptr; }
    // Asks the running job, if any, to stop.
    void cancel();
    // Cancels the running job and waits for its end, without running its
    // `done` (the window is closing).
    void stop();

signals:
    // A job started (true) or ended (false).
    void busyChanged(bool busy);

private:
    void showProgress();
    void finish();

    StatusPanels& m_status;
    std::unique_ptr<BackgroundJob> m_job;
    Done m_done;
    QString m_statusBefore;
    QTimer m_progressTimer;
    int m_ticks = 0;
    QPushButton* m_cancel = nullptr;
    QShortcut* m_escape = nullptr;
};

}  // namespace kinmora
