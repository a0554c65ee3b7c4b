// The commands of the "เพิ่มเติม" menu: where they sit and when they are offered,
// the relation sentence, the chart as a picture printed and saved, and
// exports that run beside a live window, can be stopped and say why they failed.
#include <QAction>
#include <QFileInfo>
#include <QListWidget>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "app/chart_tree_widget.h"
#include "app/command_tool_bar.h"
#include "app/csv_command.h"
#include "app/gedcom_command.h"
#include "app/living_choice.h"
#include "app/main_window.h"
#include "app/print_command.h"
#include "app/relation_command.h"
#include "app/save_picture_command.h"
#include "app/side_selector.h"
#include "app/site_command.h"
#include "family_generator.h"
#include "support/family_files.h"
#include "support/modal_watcher.h"
#include "support/process_runner.h"
#include "windows/relation_dialog.h"

using kinmora::CsvCommand;
using kinmora::FamilyDatabase;
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

}  // namespace

class MoreMenuTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_window = std::make_unique<kinmora::MainWindow>();
        QVERIFY(find(m_relation, "relation") && find(m_print, "printChart") &&
                find(m_save, "saveChartPicture") && find(m_gedcom, "saveGedcom") &&
                find(m_csv, "saveCsv") && find(m_site, "saveSite"));
    }
    void cleanup() { m_window.reset(); }

    // An open file offers the exports, a chart shown the pictures and the relation.
    void commandsAreOfferedWhenTheyCanRun() {
        QMenu* menu = m_window->toolBar()->moreMenu();
        const QList<QAction*> commands = {
            m_relation->action(), m_print->action(),  m_window->command("previewChart")->action(),
            m_save->action(),     m_gedcom->action(), m_csv->action(),
            m_site->action()};
        for (QAction* command : commands) QVERIFY(menu->actions().contains(command));
        const auto offered = [&] {
            QString states;
            for (QAction* action : commands)
                states += action->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
            return states;
        };
        QCOMPARE(offered(), QStringLiteral("0000000"));
        open(kFamily);  // which charts its first person
        QCOMPARE(offered(), QStringLiteral("1111111"));
        QVERIFY(m_window->showChart(QStringLiteral("สมชาย")));
        QCOMPARE(offered(), QStringLiteral("0000000"));  // nothing runs beside a chart job
        QVERIFY(settled());
        QCOMPARE(offered(), QStringLiteral("1111111"));
    }

    void relationAnswersForTheSelectedPersonAndAnyoneChosenInTheFamilyOpen() {
        open(kFamily);
        chart(QStringLiteral("สมชาย"));
        QStringList answers;
        ask(QStringLiteral("แก้ว"), [&](RelationDialog* dialog) {
            // The filter has the focus: typing narrows the list at once.
            QCOMPARE(dialog->focusWidget(),
                     dialog->findChild<QWidget*>(QStringLiteral("filterEdit")));
            answers << dialog->answer() << QString::number(dialog->shownCount());
            dialog->setFilter(QStringLiteral("ทองดี"));
            answers << QString::number(dialog->shownCount());
            // The namesake whom a name alone cannot reach, told apart by
            // surname and year of birth.
            auto* list = dialog->findChild<QListWidget*>(QStringLiteral("personList"));
            list->setCurrentItem(
                list->findItems(QStringLiteral("ทองดี คนอื่น (เกิด พ.ศ. 2483)"), Qt::MatchExactly)
                    .value(0));
            answers << dialog->answer();
        });
        QCOMPARE(answers, (QStringList{QStringLiteral("แก้วเป็นลูกสาวของสมชาย"), "6", "2",
                                       QStringLiteral("แก้วไม่ได้เป็นญาติกับทองดี")}));

        // With no person selected it says so.
        m_window->chartTree()->setCurrentItem(m_window->chartTree()->node(QStringLiteral("Root")));
        {
            ModalWatcher watcher;
            m_relation->action()->trigger();
            QVERIFY(settled());
            QCOMPARE(watcher.seen().value(0).text, QStringLiteral("โปรดเลือกบุคคลในผังก่อน"));
        }

        // A family opened later is read afresh: the same names, but now สมศักดิ์ is the elder.
        QString answer;
        const auto read = [&](RelationDialog* dialog) { answer = dialog->answer(); };
        ask(QStringLiteral("สมศักดิ์"), read);
        QCOMPARE(answer, QStringLiteral("สมศักดิ์เป็นน้องชายต่างแม่ของสมชาย"));
        open(
            "1,ทองดี,,1,1900-01-01,,0,,0,0\n2,สมชาย,,1,1930-03-01,,0,,1,0\n"
            "3,สมศักดิ์,,1,1920-03-01,,0,,1,0\n");
        chart(QStringLiteral("สมชาย"));
        ask(QStringLiteral("สมศักดิ์"), read);
        QCOMPARE(answer, QStringLiteral("สมศักดิ์เป็นพี่ชายต่างแม่ของสมชาย"));
    }

    void printedAndSavedPicturesAreTheChartShown() {
        open(kFamily);
        chart(QStringLiteral("แก้ว"));
        // A side chosen after the build changes nothing until the next build.
        m_window->sideSelector()->setCurrentIndex(1);

        ModalWatcher watcher;
        const QString svg = m_files.path(QStringLiteral("chart.svg"));
        QVERIFY(save(svg));
        QVERIFY(fileText(svg).contains(QStringLiteral("สมชาย ใจดี")));
        QVERIFY(fileText(svg).contains(QStringLiteral("ผังเครือญาติของ แก้ว ใจดี · ฝ่ายบิดา")));
        QVERIFY(!fileText(svg).contains(QStringLiteral("upper")));
        const QString png = m_files.path(QStringLiteral("chart.png"));
        QVERIFY(save(png));
        QCOMPARE(qRound(QImage(png).dotsPerMeterX() * 0.0254), 150);
        // Each save confirms as the exports do, naming its file.
        QTRY_COMPARE(watcher.seen().size(), 2);
        for (const ModalWatcher::Seen& seen : watcher.seen()) {
            QCOMPARE(seen.text, QStringLiteral("บันทึกผังเป็นภาพแล้ว"));
            const QString file = QFileInfo(&seen == &watcher.seen()[0] ? svg : png).fileName();
            QVERIFY2(seen.informativeText.contains(file), qPrintable(seen.informativeText));
        }

        auto printer = std::make_shared<QPrinter>();
        const QString printed = m_files.path(QStringLiteral("printed.pdf"));
        printer->setOutputFileName(printed);
        QSignalSpy printedSpy(m_print, &kinmora::PictureCommand::finished);
        m_print->printTo(printer);
        QVERIFY(printedSpy.wait(20000) && printedSpy.first().first().toBool());
        // Fitted to one page, titled in Thai, its names searchable as written.
        const QString text = pdfText(printed);
        QVERIFY2(text.startsWith(QStringLiteral("ผังเครือญาติของ แก้ว ใจดี · ฝ่ายบิดา\n"
                                                "มีบรรพบุรุษอยู่เหนือผังนี้")),
                 qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("สมศักดิ์ ใจดี")));
        QCOMPARE(text.count(QLatin1Char('\f')), 1);

        // After a build on the mother's side, the pictures follow it.
        chart(QStringLiteral("แก้ว"));
        const QString pdf = m_files.path(QStringLiteral("mother.pdf"));
        QVERIFY(save(pdf));
        QVERIFY(pdfText(pdf).startsWith(
            QStringLiteral("ผังเครือญาติของ แก้ว ใจดี · ฝ่ายมารดา\nไม่มีบรรพบุรุษเหนือผังนี้")));
    }

    // An export runs while the window stays alive, and one that fails says why.
    void anExportRunsWhileTheWindowStaysAliveOrSaysWhyItFailed() {
        openLargeFamily();
        const QString path = m_files.path("large.ged");
        ModalWatcher watcher;
        QSignalSpy finished(m_gedcom, &kinmora::ExportCommand::exportFinished);
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
        ticker.start(5);
        m_gedcom->saveTo(path);
        QVERIFY(!m_gedcom->action()->isEnabled());  // one piece of work at a time
        QVERIFY(finished.wait(60000));
        QCOMPARE(finished.at(0).at(0).toString(), QString());
        QVERIFY2(ticks >= 3, "the event loop stood still during the export");
        QVERIFY(fileText(path).startsWith(QLatin1String("0 HEAD")));
        QVERIFY(QFileInfo(path).size() > 1000000);
        QTRY_COMPARE(watcher.seen().size(), 1);
        QCOMPARE(watcher.seen()[0].text, QStringLiteral("บันทึกครอบครัวเป็นแฟ้ม GEDCOM แล้ว"));

        m_gedcom->saveTo(m_files.path("no/such/folder/family.ged"));
        QVERIFY(finished.wait(60000));
        QVERIFY(finished.at(1).at(0).toString().contains(QLatin1String("cannot be written")));
        QTRY_COMPARE(watcher.seen().size(), 2);
        QCOMPARE(watcher.seen()[1].text, QStringLiteral("บันทึกไม่สำเร็จ"));
        QVERIFY(watcher.seen()[1].informativeText.contains(QLatin1String("family.ged")));
    }

    // The married table goes beside the family table; a cancelled export leaves both as they were.
    void cancellingAnExportLeavesTheFilesAsTheyWere() {
        for (const char* family : {"/a/smith-family.csv", "/a/smith.csv", "/a/smith"})
            QCOMPARE(CsvCommand::marriedPathFor(QLatin1String(family)),
                     QStringLiteral("/a/smith-married.csv"));
        openLargeFamily();
        const QString family = m_files.writeFile("large-family.csv", "old");
        ModalWatcher watcher;
        QSignalSpy finished(m_csv, &kinmora::ExportCommand::exportFinished);
        m_csv->saveTo(family, CsvCommand::marriedPathFor(family));
        auto* cancel = m_window->findChild<QPushButton*>(QStringLiteral("cancelJob"));
        QVERIFY(cancel);
        cancel->click();
        QVERIFY(finished.wait(60000));
        QCOMPARE(finished.at(0).at(0).toString(), QStringLiteral("cancelled"));
        QCOMPARE(fileText(family), QStringLiteral("old"));
        QVERIFY(!QFile::exists(m_files.path("large-married.csv")));
        QVERIFY(watcher.seen().isEmpty());
    }

    // The living (born 1930 and later, not marked dead) keep their dates out
    // of a copy saved with "names"; the website is written whole into its folder.
    void savedCopiesLeaveOutTheLivingWhenAsked() {
        open(kFamily);
        ModalWatcher watcher;
        QSignalSpy gedcom(m_gedcom, &kinmora::ExportCommand::exportFinished);
        m_gedcom->saveTo(m_files.path("names.ged"), kinmora::LivingDetails::Names);
        QVERIFY(gedcom.wait(60000));
        QCOMPARE(gedcom.at(0).at(0).toString(), QString());
        QSignalSpy site(m_site, &kinmora::ExportCommand::exportFinished);
        m_site->saveTo(m_files.path("site"));
        QVERIFY(site.wait(60000));
        QCOMPARE(site.at(0).at(0).toString(), QString());
        const QString text = fileText(m_files.path("names.ged"));
        QVERIFY(text.contains(QLatin1String("1 JAN 1900")));
        QVERIFY(!text.contains(QLatin1String("1930")) && !text.contains(QLatin1String("1960")));
        QVERIFY(QFile::exists(m_files.path("site/index.html")));
        const QString data = fileText(m_files.path("site/data/family.js"));
        QVERIFY(data.contains(QStringLiteral("แก้ว")));
        QVERIFY(data.contains(QStringLiteral("01/01/2443")));  // ทองดี, born 1900
        QVERIFY(!data.contains(QStringLiteral("2503")));       // แก้ว, born 1960
        QTRY_COMPARE(watcher.seen().size(), 2);
        QVERIFY(watcher.seen()[1].text.startsWith(QStringLiteral("สร้างเว็บไซต์ครอบครัวแล้ว")));
        chart(QStringLiteral("สมชาย"));
        const QString pdf = m_files.path("names.pdf");
        QVERIFY(save(pdf, kinmora::LivingDetails::Names));
        QVERIFY(pdfText(pdf).contains(QStringLiteral("01/01/2443")));
        QVERIFY(!pdfText(pdf).contains(QStringLiteral("2473")));  // สมชาย, born 1930
    }

    void theLivingQuestionOffersBothAndAWayOut() {
        for (const char* answer : {"livingNames", "livingFull", ""}) {
            ModalWatcher watcher([&](QWidget* window) {
                if (auto* button = window->findChild<QPushButton*>(QLatin1String(answer)))
                    button->click();
                else
                    ModalWatcher::reject(window);
            });
            const auto got = kinmora::askLivingDetails(m_window.get(), QStringLiteral("เว็บไซต์"),
                                                       kinmora::LivingDetails::Names);
            QCOMPARE(got.has_value(), *answer != 0);
            if (got)
                QCOMPARE(*got == kinmora::LivingDetails::Names,
                         QLatin1String(answer) == QLatin1String("livingNames"));
        }
    }

private:
    // Points `command` at the window's command keyed `key`; false when it has none of that type.
    template <typename C>
    bool find(C*& command, const char* key) const {
        command = qobject_cast<C*>(m_window->command(QLatin1String(key)));
        return command != nullptr;
    }
    void open(const char* family) {
        openPath(m_files.write(QStringLiteral("f%1.mdb").arg(++m_opened), family, "2,4,1\n"));
    }
    void openLargeFamily() {
        const auto family = kinmora::bench::generateFamily(5000);
        openPath(m_files.writeTables(
            "large.mdb", {{"family", family.familyCsv}, {"married", family.marriedCsv}}));
    }
    void openPath(const QString& path) {
        QSignalSpy opened(m_window.get(), &kinmora::MainWindow::openFinished);
        QVERIFY(m_window->openFile(path));
        QVERIFY(opened.wait(60000) && opened.first().first().toBool());
        QVERIFY(settled());
    }
    bool settled() const {
        return QTest::qWaitFor([&] { return !m_window->isWorking(); }, 20000);
    }
    void chart(const QString& name) { QVERIFY(m_window->showChart(name) && settled()); }
    bool save(const QString& path, kinmora::LivingDetails living = kinmora::LivingDetails::Full) {
        QSignalSpy saved(m_save, &kinmora::PictureCommand::finished);
        m_save->saveTo(path, living);
        return (!saved.isEmpty() || saved.wait(20000)) && saved.first().first().toBool();
    }

    // Selects the node of `name` and runs the relation command, handing its
    // dialog to `look` before closing it.
    void ask(const QString& name, const std::function<void(RelationDialog*)>& look) {
        m_window->chartTree()->setCurrentItem(
            m_window->chartTree()->findItems(name, Qt::MatchExactly | Qt::MatchRecursive).value(0));
        ModalWatcher watcher([&](QWidget* window) {
            if (auto* dialog = qobject_cast<RelationDialog*>(window)) look(dialog);
            ModalWatcher::reject(window);
        });
        m_relation->action()->trigger();
        QVERIFY(settled());
        QVERIFY(QTest::qWaitFor([&] { return !watcher.seen().isEmpty(); }, 20000));
    }

    kinmora::testing::FamilyFiles m_files;
    int m_opened = 0;
    std::unique_ptr<kinmora::MainWindow> m_window;
    kinmora::RelationCommand* m_relation = nullptr;
    kinmora::PrintCommand* m_print = nullptr;
    kinmora::SavePictureCommand* m_save = nullptr;
    kinmora::GedcomCommand* m_gedcom = nullptr;
    CsvCommand* m_csv = nullptr;
    kinmora::SiteCommand* m_site = nullptr;
};

QTEST_MAIN(MoreMenuTest)
#include "more_menu_test.moc"
