// The window's export commands: where they sit, when they are enabled, and an
// export that runs beside a live window, can be stopped, and says why it failed.
#include "app/export_commands.h"

#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QtTest>

#include "app/command_tool_bar.h"
#include "app/frm_main.h"
#include "app/module1.h"
#include "family_generator.h"
#include "support/family_files.h"
#include "support/modal_watcher.h"

using kinmora::ExportCommands;
using kinmora::frm_main;
using kinmora::Module1;
using kinmora::testing::ModalWatcher;

namespace {

// Answers message boxes; leaves the progress dialog to the export.
void answerMessages(QWidget* window) {
    if (!qobject_cast<QProgressDialog*>(window)) ModalWatcher::reject(window);
}

// The message boxes the watcher met.
QList<ModalWatcher::Seen> messages(const ModalWatcher& watcher) {
    QList<ModalWatcher::Seen> boxes;
    for (const ModalWatcher::Seen& seen : watcher.seen())
        if (seen.className == QLatin1String("QMessageBox")) boxes << seen;
    return boxes;
}

}  // namespace

class ExportCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        Module1::instance().close();
        m_window = std::make_unique<frm_main>();
        m_commands = m_window->findChild<ExportCommands*>();
        QVERIFY(m_commands);
    }
    void cleanup() {
        m_window.reset();
        Module1::instance().close();
    }

    void theCommandsFollowASeparatorAndNeedAnOpenFile() {
        QMenu* menu = m_window->Toolbar1()->moreMenu();
        const QList<QAction*> actions = menu->actions();
        const qsizetype at = actions.indexOf(m_commands->gedcomAction());
        QVERIFY(at >= 1);
        QVERIFY(actions[at - 1]->isSeparator());
        QCOMPARE(actions.value(at + 1), m_commands->csvAction());

        emit menu->aboutToShow();
        QVERIFY(!m_commands->gedcomAction()->isEnabled());
        QVERIFY(!m_commands->csvAction()->isEnabled());
        openSmallFamily();
        emit menu->aboutToShow();
        QVERIFY(m_commands->gedcomAction()->isEnabled());
        QVERIFY(m_commands->csvAction()->isEnabled());
    }

    void anExportRunsWhileTheWindowStaysAlive() {
        openLargeFamily();
        const QString path = m_files.path("large.ged");
        ModalWatcher watcher(&answerMessages);
        QSignalSpy finished(m_commands, &ExportCommands::exportFinished);
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
        ticker.start(5);
        m_commands->saveGedcom(path);
        emit m_window->Toolbar1()->moreMenu()->aboutToShow();
        QVERIFY(!m_commands->gedcomAction()->isEnabled());  // one export at a time
        QVERIFY(finished.wait(60000));
        QCOMPARE(finished.at(0).at(0).toString(), QString());
        QVERIFY2(ticks >= 3, "the event loop stood still during the export");
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readLine().startsWith("0 HEAD"));
        QVERIFY(file.size() > 1000000);
        QTRY_COMPARE(messages(watcher).size(), 1);
        QCOMPARE(messages(watcher)[0].text, QStringLiteral("บันทึกครอบครัวเป็นไฟล์ GEDCOM แล้ว"));
    }

    void cancellingLeavesTheFilesAsTheyWere() {
        openLargeFamily();
        const QString family = m_files.path("large-family.csv");
        QFile old(family);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        ModalWatcher watcher(&answerMessages);
        QSignalSpy finished(m_commands, &ExportCommands::exportFinished);
        m_commands->saveCsv(family, ExportCommands::marriedPathFor(family));
        auto* progress = m_window->findChild<QProgressDialog*>();
        QVERIFY(progress);
        auto* cancel = progress->findChild<QPushButton*>();
        QVERIFY(cancel);
        cancel->click();
        QVERIFY(finished.wait(60000));
        QCOMPARE(finished.at(0).at(0).toString(), QStringLiteral("cancelled"));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old"));
        QVERIFY(!QFile::exists(m_files.path("large-married.csv")));
        QVERIFY(messages(watcher).isEmpty());
    }

    void aFailureIsShownWithItsReason() {
        openSmallFamily();
        ModalWatcher watcher(&answerMessages);
        QSignalSpy finished(m_commands, &ExportCommands::exportFinished);
        const QString path = m_files.path("no/such/folder/family.ged");
        m_commands->saveGedcom(path);
        QVERIFY(finished.wait(60000));
        QVERIFY(finished.at(0).at(0).toString().contains(QLatin1String("cannot be written")));
        QTRY_COMPARE(messages(watcher).size(), 1);
        QCOMPARE(messages(watcher)[0].text, QStringLiteral("บันทึกไม่สำเร็จ"));
        QVERIFY(messages(watcher)[0].informativeText.contains(QLatin1String("family.ged")));
    }

    void theMarriedTableGoesBesideTheFamilyTable() {
        QCOMPARE(ExportCommands::marriedPathFor(QStringLiteral("/a/smith-family.csv")),
                 QStringLiteral("/a/smith-married.csv"));
        QCOMPARE(ExportCommands::marriedPathFor(QStringLiteral("/a/smith.csv")),
                 QStringLiteral("/a/smith-married.csv"));
        QCOMPARE(ExportCommands::marriedPathFor(QStringLiteral("/a/smith")),
                 QStringLiteral("/a/smith-married.csv"));
    }

private:
    void openSmallFamily() {
        QVERIFY(
            m_window->openFile(m_files.write("small.mdb", "1,ทองดี,ใจดี,1,1900-01-01,,0,,0,0\n")));
    }
    void openLargeFamily() {
        const auto family = kinmora::bench::generateFamily(5000);
        QVERIFY(m_window->openFile(m_files.writeTables(
            "large.mdb", {{"family", family.familyCsv}, {"married", family.marriedCsv}})));
    }

    kinmora::testing::FamilyFiles m_files;
    std::unique_ptr<frm_main> m_window;
    ExportCommands* m_commands = nullptr;
};

QTEST_MAIN(ExportCommandsTest)
#include "export_commands_test.moc"
