// Every window fits the free area of a small screen at any scale: CTest runs
// this on a 1366 x 768 screen at scale factors 1, 1.25, 1.5 and 2.
#include "windows/screen_fit.h"

#include <QScreen>
#include <QtTest>
#include <memory>

#include "app/chart_tree_widget.h"
#include "app/main_window.h"
#include "windows/about_dialog.h"
#include "windows/open_family_dialog.h"
#include "windows/particulars_dialog.h"
#include "windows/search_results_dialog.h"
#include "windows/twips.h"

using kinmora::MainWindow;
namespace twips = kinmora::twips;

class ScreenFitTest : public QObject {
    Q_OBJECT

    static QRect area() { return QGuiApplication::primaryScreen()->availableGeometry(); }

private slots:
    void fittedRect_data() {
        QTest::addColumn<QSize>("wanted");
        QTest::addColumn<QSize>("minimum");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("fits: centred")
            << QSize(400, 200) << QSize(100, 100) << QRect(141, 111, 400, 200);
        QTest::newRow("too large: shrunk to the area")
            << QSize(860, 609) << QSize(340, 213) << QRect(2, 30 + 10, 679, 342);
        QTest::newRow("minimum larger than the area: title bar kept inside")
            << QSize(900, 900) << QSize(700, 400) << QRect(2, 30 + 10, 700, 400);
    }
    void fittedRect() {
        QFETCH(QSize, wanted);
        QFETCH(QSize, minimum);
        QFETCH(QRect, expected);
        const QRect screen(0, 30, 683, 354);  // a panel on top
        QCOMPARE(kinmora::screen_fit::fitted(wanted, minimum, QMargins(2, 10, 2, 2), screen),
                 expected);
    }

    void mainWindowFitsAndKeepsItsRule() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
        const QRect outer = window.frameGeometry();
        QVERIFY2(area().contains(outer), qPrintable(QDebug::toString(outer)));
        QVERIFY(qAbs(outer.center().x() - area().center().x()) <= 1);
        QVERIFY(qAbs(outer.center().y() - area().center().y()) <= 1);
        // Shrunk only as far as the screen needs, and never below the minimum.
        const QSize designed = twips::toPixels(12900, 9135);
        QVERIFY(window.width() == designed.width() || outer.width() == area().width());
        QVERIFY(window.height() == designed.height() || outer.height() == area().height());
        QVERIFY(outer.width() >= twips::toPixelsX(5100) &&
                outer.height() >= twips::toPixelsY(3200));
        // Twips are twips of the logical resolution at every scale.
        QCOMPARE(twips::toPixelsX(1440), qRound(window.screen()->logicalDotsPerInchX()));
        QVERIFY(qAbs(window.chartTree()->height() -
                     twips::toPixelsY(twips::fromPixelsY(outer.height()) - 2250)) <= 1);
    }

    void dialogsFit() {
        MainWindow main;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        std::vector<std::unique_ptr<QWidget>> dialogs;
        dialogs.emplace_back(std::make_unique<kinmora::OpenFamilyDialog>(main));
        dialogs.emplace_back(std::make_unique<kinmora::SearchResultsDialog>(main));
        dialogs.emplace_back(
            std::make_unique<kinmora::ParticularsDialog>(main, nullptr, QString()));
        dialogs.emplace_back(std::make_unique<kinmora::AboutDialog>(&main));
        for (const auto& dialog : dialogs) {
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
            const QRect outer = dialog->frameGeometry();
            QVERIFY2(area().contains(outer), dialog->metaObject()->className());
            dialog->close();
        }
    }
};

QTEST_MAIN(ScreenFitTest)
#include "screen_fit_test.moc"
