// The window's commands that hand the open family on: save it as a GEDCOM
// file for genealogy programs, as two CSV files for spreadsheets, or as a
// website for the relatives.
#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>

#include "data/living_rule.h"

class QAction;
class QMenu;
class QProgressDialog;
class QThread;
class QTimer;
class QWidget;

namespace kinmora {

class ExportCommands : public QObject {
    Q_OBJECT

public:
    // Adds a separator and the three commands to `menu`; each enables itself
    // when the menu opens, while a family file is open and no export runs.
    // Dialogs belong to `window`.
    ExportCommands(QMenu* menu, QWidget* window);
    ~ExportCommands() override;

    QAction* gedcomAction() const { return m_gedcom; }
    QAction* csvAction() const { return m_csv; }
    QAction* siteAction() const { return m_site; }

    // Starts writing the open family file to `path` as GEDCOM, to
    // `familyPath` and `marriedPath` as CSV, or as a website into the folder
    // `dir`, the living shown as `living` says, on a worker thread, with a
    // progress dialog whose cancel stops the export (the files are then left
    // as they were). Returns at once; exportFinished() tells the outcome. Does
    // nothing while another export runs or no file is open.
    void saveGedcom(const QString& path, LivingDetails living = LivingDetails::Full);
    void saveCsv(const QString& familyPath, const QString& marriedPath,
                 LivingDetails living = LivingDetails::Full);
    void saveSite(const QString& dir, LivingDetails living = LivingDetails::Names);

    bool isRunning() const { return m_running; }

    // The file the married table goes to when the family table goes to `familyPath`.
    static QString marriedPathFor(const QString& familyPath);

signals:
    // An export ended: `error` is empty on success, "cancelled" text when
    // the user stopped it, else what went wrong.
    void exportFinished(const QString& error);

private:
    using Job = std::function<void(const std::function<bool(qint64, qint64)>& progress)>;

    void askGedcom();
    void askCsv();
    void askSite();
    void updateActions();
    void start(const QString& label, const QString& done, Job job);
    void finish();

    QWidget* m_window;
    QAction* m_gedcom;
    QAction* m_csv;
    QAction* m_site;
    bool m_running = false;
    QString m_doneText;
    QProgressDialog* m_progress = nullptr;
    QThread* m_worker = nullptr;
    QTimer* m_poll = nullptr;
    // Shared with the worker thread.
    struct State {
        std::atomic<qint64> done{0};
        std::atomic<qint64> total{0};
        std::atomic<bool> cancel{false};
        QString error;  // written by the worker before it ends
        bool cancelled = false;
    };
    std::shared_ptr<State> m_state;
};

}  // namespace kinmora
