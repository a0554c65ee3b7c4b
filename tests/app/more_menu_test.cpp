// The commands of the "more" menu: where they sit and when they are offered,
// the relation sentence, the chart as a picture printed and saved, and
// exports that run beside a live window, can be stopped and say why they failed.
#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QtTest>

#include "app/chart_tree_widget.h"
#include "app/command_tool_bar.h"
#include "app/export_commands.h"
#include "app/family_session.h"
#include "app/main_window.h"
#include "app/picture_commands.h"
#include "app/relation_command.h"
#include "app/side_selector.h"
#include "family_generator.h"
#include "support/family_files.h"
#include "support/modal_watcher.h"
#include "support/process_runner.h"
#include "windows/relation_dialog.h"

using kinmora::ExportCommands;
using kinmora::FamilyDatabase;
using kinmora::FamilySession;
using kinmora::RelationDialog;
using kinmora::testing::ModalWatcher;

namespace {

// A grandfather and his two sons, the elder with a wife and a daughter; a
// namesake of the grandfather, kin to nobody. On the father's side แก้ว's
// grandfather is known ("upper"); on the mother's side her mother is not.
const char* const kFamily =
    "1,ทองดี,ใจดี,1,1900-01-01,,0,,0,0\n2,สมชาย,ใจดี,1,1930-03-01,,0,,1,0\n"
    "3,สมศักดิ์,ใจดี,1,1935-03-01,,0,,1,0\n4,มาลี,ศรีสุข,0,1932-01-01,,0,,0,0\n"
    "5,แก้ว,ใจดี,0,1960-01-01,,0,,2,4\n6,ทองดี,คนอื่น,1,1940-01-01,,0,,0,0\n";

QString fileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString pdfText(const QString& path) {
    return kinmora::testing::runProcess(QStringLiteral("pdftotext"), {path, QStringLiteral("-")})
        .out;
}

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

class MoreMenuTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        FamilySession::instance().close();
        m_window = std::make_unique<kinmora::MainWindow>();
        m_relation = m_window->findChild<kinmora::RelationCommand*>();
        m_pictures = m_window->findChild<kinmora::PictureCommands*>();
        m_exports = m_window->findChild<ExportCommands*>();
        QVERIFY(m_relation && m_pictures && m_exports);
    }
    void cleanup() {
        m_window.reset();
        FamilySession::instance().close();
    }

    // An open file offers the exports, a chart shown the pictures and the relation.
    void commandsAreOfferedWhenTheyCanRun() {
        QMenu* menu = m_window->toolBar()->moreMenu();
        const QList<QAction*> commands = {m_relation->action(),        m_pictures->printAction(),
                                          m_pictures->previewAction(), m_pictures->saveAction(),
                                          m_exports->gedcomAction(),   m_exports->csvAction()};
        for (QAction* command : commands) QVERIFY(menu->actions().contains(command));
        const auto offered = [&] {
            emit menu->aboutToShow();
            QString states;
            for (QAction* action : commands)
                states += action->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
            return states;
        };
        QCOMPARE(offered(), QStringLiteral("000000"));
        QVERIFY(!m_pictures->saveTo(m_files.path(QStringLiteral("none.pdf"))));
        QVERIFY(!QFile::exists(m_files.path(QStringLiteral("none.pdf"))));
        open(kFamily);
        QCOMPARE(offered(), QStringLiteral("000011"));
        m_window->showChart(QStringLiteral("สมชาย"));
        QCOMPARE(offered(), QStringLiteral("111111"));
    }

    void relationAnswersForTheSelectedPersonAndAnyoneChosenInTheFamilyOpen() {
        open(kFamily);
        m_window->showChart(QStringLiteral("สมชาย"));
        QCOMPARE(m_relation->centreName(), QStringLiteral("สมชาย"));
        QStringList answers;
        const QStringList seen = ask(QStringLiteral("แก้ว"), [&](RelationDialog* dialog) {
            answers << dialog->answer() << QString::number(dialog->shownCount());
            dialog->setFilter(QStringLiteral("ทองดี"));
            answers << QString::number(dialog->shownCount());
            // The namesake whom a name alone cannot reach.
            auto* list = dialog->findChild<QListWidget*>(QStringLiteral("personList"));
            list->setCurrentItem(
                list->findItems(QStringLiteral("ทองดี          คนอื่น"), Qt::MatchExactly).value(0));
            answers << dialog->answer();
        });
        QCOMPARE(seen, QStringList{QStringLiteral("kinmora::RelationDialog")});
        QCOMPARE(answers, (QStringList{QStringLiteral("แก้ว เป็น ลูกสาว ของ สมชาย"), "6", "2",
                                       QStringLiteral("แก้ว เป็น ไม่เป็นญาติ ของ ทองดี")}));

        // With no person selected it says so.
        m_window->chartTree()->setCurrentItem(m_window->chartTree()->node(QStringLiteral("Root")));
        {
            ModalWatcher watcher;
            choose();
            QCOMPARE(watcher.seen().value(0).text, QStringLiteral("โปรดเลือกบุคคลในผังก่อน"));
        }

        // A family opened later is read afresh: the same names, but now สมศักดิ์ is the elder.
        QString answer;
        const auto read = [&](RelationDialog* dialog) { answer = dialog->answer(); };
        ask(QStringLiteral("สมศักดิ์"), read);
        QCOMPARE(answer, QStringLiteral("สมศักดิ์ เป็น น้องชาย ต่างแม่ ของ สมชาย"));
        open(
            "1,ทองดี,,1,1900-01-01,,0,,0,0\n2,สมชาย,,1,1930-03-01,,0,,1,0\n"
            "3,สมศักดิ์,,1,1920-03-01,,0,,1,0\n");
        m_window->showChart(QStringLiteral("สมชาย"));
        ask(QStringLiteral("สมศักดิ์"), read);
        QCOMPARE(answer, QStringLiteral("สมศักดิ์ เป็น พี่ชาย ต่างแม่ ของ สมชาย"));
    }

    void printedAndSavedPicturesAreTheChartShown() {
        QVERIFY(
            m_window->openFile(m_files.write(QStringLiteral("family.mdb"), kFamily, "2,4,1\n")));
        m_window->showChart(QStringLiteral("แก้ว"));
        // A side chosen after the build changes nothing until the next build.
        m_window->sideSelector()->setCurrentIndex(1);

        const QString svg = m_files.path(QStringLiteral("chart.svg"));
        QVERIFY(m_pictures->saveTo(svg));
        QVERIFY(fileText(svg).contains(QStringLiteral("สมชาย ใจดี")));
        QVERIFY(!fileText(svg).contains(QStringLiteral("no upper")));
        const QString png = m_files.path(QStringLiteral("chart.png"));
        QVERIFY(m_pictures->saveTo(png));
        QCOMPARE(qRound(QImage(png).dotsPerMeterX() * 0.0254), 150);

        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString printed = m_files.path(QStringLiteral("printed.pdf"));
        printer.setOutputFileName(printed);
        QVERIFY(m_pictures->printTo(printer));
        const QString text = pdfText(printed);
        QVERIFY2(text.startsWith(QStringLiteral("upper")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("แก้ว")));

        // After a build on the mother's side, the pictures follow it.
        m_window->showChart(QStringLiteral("แก้ว"));
        const QString pdf = m_files.path(QStringLiteral("mother.pdf"));
        QVERIFY(m_pictures->saveTo(pdf));
        QVERIFY(pdfText(pdf).startsWith(QStringLiteral("no upper")));
    }

    void anExportRunsWhileTheWindowStaysAlive() {
        openLargeFamily();
        const QString path = m_files.path("large.ged");
        ModalWatcher watcher(&answerMessages);
        QSignalSpy finished(m_exports, &ExportCommands::exportFinished);
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
        ticker.start(5);
        m_exports->saveGedcom(path);
        emit m_window->toolBar()->moreMenu()->aboutToShow();
        QVERIFY(!m_exports->gedcomAction()->isEnabled());  // one export at a time
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

    void cancellingAnExportLeavesTheFilesAsTheyWere() {
        openLargeFamily();
        const QString family = m_files.writeFile("large-family.csv", "old");
        ModalWatcher watcher(&answerMessages);
        QSignalSpy finished(m_exports, &ExportCommands::exportFinished);
        m_exports->saveCsv(family, ExportCommands::marriedPathFor(family));
        auto* progress = m_window->findChild<QProgressDialog*>();
        QVERIFY(progress);
        auto* cancel = progress->findChild<QPushButton*>();
        QVERIFY(cancel);
        cancel->click();
        QVERIFY(finished.wait(60000));
        QCOMPARE(finished.at(0).at(0).toString(), QStringLiteral("cancelled"));
        QCOMPARE(fileText(family), QStringLiteral("old"));
        QVERIFY(!QFile::exists(m_files.path("large-married.csv")));
        QVERIFY(messages(watcher).isEmpty());
    }

    void aFailedExportIsShownWithItsReason() {
        QVERIFY(m_window->openFile(m_files.write("small.mdb", kFamily)));
        ModalWatcher watcher(&answerMessages);
        QSignalSpy finished(m_exports, &ExportCommands::exportFinished);
        m_exports->saveGedcom(m_files.path("no/such/folder/family.ged"));
        QVERIFY(finished.wait(60000));
        QVERIFY(finished.at(0).at(0).toString().contains(QLatin1String("cannot be written")));
        QTRY_COMPARE(messages(watcher).size(), 1);
        QCOMPARE(messages(watcher)[0].text, QStringLiteral("บันทึกไม่สำเร็จ"));
        QVERIFY(messages(watcher)[0].informativeText.contains(QLatin1String("family.ged")));
    }

    void theMarriedTableGoesBesideTheFamilyTable() {
        for (const char* family : {"/a/smith-family.csv", "/a/smith.csv", "/a/smith"})
            QCOMPARE(ExportCommands::marriedPathFor(QLatin1String(family)),
                     QStringLiteral("/a/smith-married.csv"));
    }

private:
    void open(const char* family) {
        FamilySession::instance().setDatabase(FamilyDatabase::open(
            m_files.write(QStringLiteral("f%1.mdb").arg(++m_opened), family, "2,4,1\n")));
    }
    void openLargeFamily() {
        const auto family = kinmora::bench::generateFamily(5000);
        QVERIFY(m_window->openFile(m_files.writeTables(
            "large.mdb", {{"family", family.familyCsv}, {"married", family.marriedCsv}})));
    }

    // Opens the "more" menu, which enables the command, and chooses it.
    void choose() {
        emit m_window->toolBar()->moreMenu()->aboutToShow();
        m_relation->action()->trigger();
    }

    // Selects the node of `name` and runs the relation command, handing its
    // dialog to `look` before closing it; returns the classes of the windows shown.
    QStringList ask(const QString& name, const std::function<void(RelationDialog*)>& look) {
        const auto nodes =
            m_window->chartTree()->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
        m_window->chartTree()->setCurrentItem(nodes.value(0));
        ModalWatcher watcher([&](QWidget* window) {
            if (auto* dialog = qobject_cast<RelationDialog*>(window)) look(dialog);
            ModalWatcher::reject(window);
        });
        choose();
        return watcher.classNames();
    }

    kinmora::testing::FamilyFiles m_files;
    int m_opened = 0;
    std::unique_ptr<kinmora::MainWindow> m_window;
    kinmora::RelationCommand* m_relation = nullptr;
    kinmora::PictureCommands* m_pictures = nullptr;
    ExportCommands* m_exports = nullptr;
};

QTEST_MAIN(MoreMenuTest)
#include "more_menu_test.moc"
