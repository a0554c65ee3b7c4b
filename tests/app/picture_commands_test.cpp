// The picture commands of the "more" menu: when they can be used, and that
// what they print and save is the chart the window shows.
#include "app/picture_commands.h"

#include <QAction>
#include <QMenu>
#include <QPrinter>
#include <QtTest>

#include "app/command_tool_bar.h"
#include "app/frm_main.h"
#include "app/module1.h"
#include "app/side_selector.h"
#include "support/family_files.h"
#include "support/process_runner.h"

using kinmora::frm_main;
using kinmora::Module1;
using kinmora::PictureCommands;

namespace {

// On the father's side ก้อง's grandfather is known ("upper"); on the
// mother's side his mother มาลี has no parents ("no upper").
const char* const kFamily =
    "1,ทองดี,ใจดี,1,1900-01-01,,0,,0,0\n"
    "2,บุญมี,ใจดี,0,1905-01-01,,0,,0,0\n"
    "3,สมชาย,ใจดี,1,1930-03-01,,0,,1,2\n"
    "5,มาลี,ศรีสุข,0,1935-01-01,,0,,0,0\n"
    "6,ก้อง,ใจดี,1,1960-01-01,,0,,3,5\n";
const char* const kMarried = "1,2,1\n3,5,1\n";

QString pdfText(const QString& path) {
    return kinmora::testing::runProcess(QStringLiteral("pdftotext"), {path, QStringLiteral("-")})
        .out;
}

QString fileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

class PictureCommandsTest : public QObject {
    Q_OBJECT

    kinmora::testing::FamilyFiles m_files;

private slots:
    void init() { Module1::instance().close(); }

    void commandsFollowTheMenuAndTheChartShown() {
        frm_main window;
        auto* commands = window.findChild<PictureCommands*>();
        QVERIFY(commands);
        QMenu* menu = window.Toolbar1()->moreMenu();
        const QList<QAction*> actions = menu->actions();
        const qsizetype print = actions.indexOf(commands->printAction());
        QVERIFY(print > 0);
        QVERIFY(actions[print - 1]->isSeparator());
        QCOMPARE(actions.mid(print, 3),
                 (QList<QAction*>{commands->printAction(), commands->previewAction(),
                                  commands->saveAction()}));

        // Nothing to draw before a chart; each command enables itself as the menu opens.
        emit menu->aboutToShow();
        QVERIFY(!commands->printAction()->isEnabled());
        QVERIFY(!commands->saveTo(m_files.path(QStringLiteral("none.pdf"))));
        QVERIFY(!QFile::exists(m_files.path(QStringLiteral("none.pdf"))));

        QVERIFY(window.openFile(m_files.write(QStringLiteral("family.mdb"), kFamily, kMarried)));
        window.calac(QStringLiteral("ก้อง"));
        emit menu->aboutToShow();
        QVERIFY(commands->printAction()->isEnabled());
        QVERIFY(commands->previewAction()->isEnabled());
        QVERIFY(commands->saveAction()->isEnabled());
    }

    void printedAndSavedPicturesAreTheChartShown() {
        frm_main window;
        auto* commands = window.findChild<PictureCommands*>();
        QVERIFY(window.openFile(m_files.write(QStringLiteral("family.mdb"), kFamily, kMarried)));
        window.calac(QStringLiteral("ก้อง"));
        // A side chosen after the build changes nothing until the next build.
        window.Combo1()->setCurrentIndex(1);

        const QString svg = m_files.path(QStringLiteral("chart.svg"));
        QVERIFY(commands->saveTo(svg));
        QVERIFY(fileText(svg).contains(QStringLiteral("สมชาย ใจดี")));
        QVERIFY(!fileText(svg).contains(QStringLiteral("no upper")));
        const QString png = m_files.path(QStringLiteral("chart.png"));
        QVERIFY(commands->saveTo(png));
        QCOMPARE(qRound(QImage(png).dotsPerMeterX() * 0.0254), 150);

        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString printed = m_files.path(QStringLiteral("printed.pdf"));
        printer.setOutputFileName(printed);
        QVERIFY(commands->printTo(printer));
        const QString text = pdfText(printed);
        QVERIFY2(text.startsWith(QStringLiteral("upper")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("ก้อง")));

        // After a build on the mother's side, the pictures follow it.
        window.calac(QStringLiteral("ก้อง"));
        const QString pdf = m_files.path(QStringLiteral("mother.pdf"));
        QVERIFY(commands->saveTo(pdf));
        QVERIFY(pdfText(pdf).startsWith(QStringLiteral("no upper")));
    }
};

QTEST_MAIN(PictureCommandsTest)
#include "picture_commands_test.moc"
