// The worker reads the family file afresh by its path, so that the window's
// record sets, which every window moves, are never touched from another
// thread; the progress dialog polls what the worker has reached.
#include "app/export_commands.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

#include "app/family_session.h"
#include "data/family_database.h"
#include "data/family_file_error.h"
#include "export/export_file.h"
#include "export/family_csv_export.h"
#include "export/gedcom_writer.h"
#include "windows/code_page_setting.h"

namespace kinmora {
namespace {

constexpr int kPollMs = 100;
constexpr int kShowProgressAfterMs = 300;

// The export reads the file again: in the code page it is shown in, so the
// exported names are the ones on screen, with the password it was opened with.
ReadOptions readOptionsFor(const QString& path) {
    ReadOptions options;
    options.codePage = code_page_setting::remembered(path);
    options.password = FamilySession::instance().password;
    return options;
}

// The family file's folder and name with another ending: the dialog's proposal.
QString proposedPath(const QString& suffix) {
    const QFileInfo family(FamilySession::instance().filePath);
    return family.dir().filePath(family.completeBaseName() + suffix);
}

QString withSuffix(const QString& path, const QString& suffix) {
    return QFileInfo(path).suffix().isEmpty() ? path + suffix : path;
}

QString messageOf(const std::exception& e) {
    if (const auto* file = dynamic_cast<const FamilyFileError*>(&e))
        return QDir::toNativeSeparators(file->path()) + QStringLiteral(": ") + file->reason();
    return QString::fromUtf8(e.what());
}

}  // namespace

ExportCommands::ExportCommands(QMenu* menu, QWidget* window) : QObject(window), m_window(window) {
    menu->addSeparator();
    m_gedcom = menu->addAction(QStringLiteral("บันทึกเป็น GEDCOM..."));
    m_gedcom->setObjectName(QStringLiteral("saveGedcom"));
    m_gedcom->setToolTip(QStringLiteral("บันทึกครอบครัวเป็นไฟล์ GEDCOM สำหรับโปรแกรมลำดับญาติอื่น"));
    m_csv = menu->addAction(QStringLiteral("บันทึกเป็น CSV..."));
    m_csv->setObjectName(QStringLiteral("saveCsv"));
    m_csv->setToolTip(QStringLiteral("บันทึกตารางคนและตารางคู่สมรสเป็นไฟล์ CSV สองไฟล์"));
    updateActions();
    connect(menu, &QMenu::aboutToShow, this, &ExportCommands::updateActions);
    connect(m_gedcom, &QAction::triggered, this, &ExportCommands::askGedcom);
    connect(m_csv, &QAction::triggered, this, &ExportCommands::askCsv);
}

ExportCommands::~ExportCommands() {
    // Closing the window stops an export half way; its file is left as it was.
    if (m_worker) {
        m_state->cancel = true;
        m_worker->wait();
        delete m_worker;
    }
}

void ExportCommands::updateActions() {
    const bool enabled = FamilySession::instance().isOpen() && !m_running;
    m_gedcom->setEnabled(enabled);
    m_csv->setEnabled(enabled);
}

QString ExportCommands::marriedPathFor(const QString& familyPath) {
    const QFileInfo info(familyPath);
    QString stem = info.completeBaseName();
    if (stem.endsWith(QLatin1String("-family")))
        stem.chop(6);
    else
        stem += QLatin1Char('-');
    return info.dir().filePath(stem + QStringLiteral("married.") +
                               (info.suffix().isEmpty() ? QStringLiteral("csv") : info.suffix()));
}

void ExportCommands::askGedcom() {
    if (!FamilySession::instance().isOpen() || m_running) return;
    const QString path = QFileDialog::getSaveFileName(
        m_window, QStringLiteral("บันทึกครอบครัวเป็นไฟล์ GEDCOM"), proposedPath(QStringLiteral(".ged")),
        QStringLiteral("ไฟล์ GEDCOM (*.ged)"));
    if (!path.isEmpty()) saveGedcom(withSuffix(path, QStringLiteral(".ged")));
}

void ExportCommands::askCsv() {
    if (!FamilySession::instance().isOpen() || m_running) return;
    const QString path = QFileDialog::getSaveFileName(
        m_window, QStringLiteral("บันทึกครอบครัวเป็นไฟล์ CSV (ตารางคู่สมรสอยู่ในไฟล์ -married ข้างกัน)"),
        proposedPath(QStringLiteral("-family.csv")), QStringLiteral("ไฟล์ CSV (*.csv)"));
    if (!path.isEmpty()) {
        const QString family = withSuffix(path, QStringLiteral(".csv"));
        saveCsv(family, marriedPathFor(family));
    }
}

void ExportCommands::saveGedcom(const QString& path) {
    if (!FamilySession::instance().isOpen() || m_running) return;
    const QString source = FamilySession::instance().filePath;
    const ReadOptions options = readOptionsFor(source);
    start(QStringLiteral("กำลังบันทึกเป็น GEDCOM..."), QStringLiteral("บันทึกครอบครัวเป็นไฟล์ GEDCOM แล้ว"),
          [source, options, path](const auto& progress) {
              std::unique_ptr<FamilyDatabase> database = FamilyDatabase::open(source, options);
              const GedcomWriter writer(*database);
              ExportFile::write(path, [&](QIODevice& out) {
                  writer.write(out, QFileInfo(source).fileName(), QDateTime::currentDateTime(),
                               progress);
              });
          });
}

void ExportCommands::saveCsv(const QString& familyPath, const QString& marriedPath) {
    if (!FamilySession::instance().isOpen() || m_running) return;
    const QString source = FamilySession::instance().filePath;
    const ReadOptions options = readOptionsFor(source);
    start(QStringLiteral("กำลังบันทึกเป็น CSV..."), QStringLiteral("บันทึกครอบครัวเป็นไฟล์ CSV แล้ว"),
          [source, options, familyPath, marriedPath](const auto& progress) {
              FamilyCsvExport tables(source, options);
              const qint64 family = tables.familyRows();
              const qint64 total = family + tables.marriedRows();
              ExportFile::write(familyPath, [&](QIODevice& out) {
                  tables.writeFamily(out,
                                     [&](qint64 done, qint64) { return progress(done, total); });
              });
              ExportFile::write(marriedPath, [&](QIODevice& out) {
                  tables.writeMarried(
                      out, [&](qint64 done, qint64) { return progress(family + done, total); });
              });
          });
}

void ExportCommands::start(const QString& label, const QString& done, Job job) {
    m_running = true;
    updateActions();
    m_doneText = done;
    m_state = std::make_shared<State>();
    m_progress = new QProgressDialog(label, QStringLiteral("ยกเลิก"), 0, 0, m_window);
    m_progress->setWindowTitle(FamilySession::instance().title);
    m_progress->setWindowModality(Qt::WindowModal);
    m_progress->setMinimumDuration(kShowProgressAfterMs);
    m_progress->setAutoReset(false);
    m_progress->setAutoClose(false);
    connect(m_progress, &QProgressDialog::canceled, this,
            [state = m_state] { state->cancel = true; });
    m_poll = new QTimer(this);
    connect(m_poll, &QTimer::timeout, this, [this] {
        const qint64 total = m_state->total;
        if (total > 0) {
            m_progress->setMaximum(static_cast<int>(total));
            m_progress->setValue(static_cast<int>(m_state->done.load()));
        }
    });
    m_poll->start(kPollMs);

    m_worker = QThread::create([state = m_state, job = std::move(job)] {
        try {
            job([&state](qint64 done, qint64 total) {
                state->done = done;
                state->total = total;
                return !state->cancel.load();
            });
        } catch (const ExportCancelled&) {
            state->cancelled = true;
        } catch (const std::exception& e) {
            state->error = messageOf(e);
        }
    });
    connect(m_worker, &QThread::finished, this, &ExportCommands::finish);
    m_worker->start();
}

void ExportCommands::finish() {
    m_worker->deleteLater();
    m_worker = nullptr;
    m_poll->stop();
    m_poll->deleteLater();
    m_progress->close();
    m_progress->deleteLater();
    m_running = false;
    updateActions();
    const QString error = m_state->cancelled ? QStringLiteral("cancelled") : m_state->error;
    emit exportFinished(error);
    if (m_state->cancelled) return;
    QMessageBox box(error.isEmpty() ? QMessageBox::Information : QMessageBox::Warning,
                    FamilySession::instance().title,
                    error.isEmpty() ? m_doneText : QStringLiteral("บันทึกไม่สำเร็จ"), QMessageBox::Ok,
                    m_window);
    if (!error.isEmpty()) box.setInformativeText(error);
    box.exec();
}

}  // namespace kinmora
