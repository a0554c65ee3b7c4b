// Every window fits the free area of a small screen at any scale, and shows
// every control whole: CTest runs this on a 1366 x 768 screen at scale
// factors 1, 1.25, 1.5 and 2, and on a 1024 x 768 screen at 1.
#include "windows/screen_fit.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>
#include <QtTest>

#include "app/chart_tree_widget.h"
#include "app/main_window.h"
#include "data/family_database.h"
#include "kinship/family_graph.h"
#include "support/family_files.h"
#include "support/modal_watcher.h"
#include "windows/about_dialog.h"
#include "windows/fitted_file_dialog.h"
#include "windows/fitted_print_preview_dialog.h"
#include "windows/open_family_dialog.h"
#include "windows/particulars_dialog.h"
#include "windows/relation_dialog.h"
#include "windows/search_results_dialog.h"
#include "windows/twips.h"

using kinmora::MainWindow;
namespace twips = kinmora::twips;

namespace {

// code,name,surname,sex,born,die,still,biography,fathercode,mothercode
const char kFamily[] =
    "1,สมชายชาญณรงค์,ใจดีมีสุขสวัสดิ์,1,1950-01-02,2001-01-01,1,ชาวนา,0,0\n"
    "2,สมศรีสุดาวรรณ,ใจดีมีสุขสวัสดิ์,0,1952-05-03,,0,,0,0\n"
    "3,มานะพงศ์พิพัฒน์,ใจดีมีสุขสวัสดิ์,1,1977-03-05,2020-01-01,0,ลูกคนแรก เรียนหนังสือเก่ง,1,2\n";

QRect area() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

bool isControl(const QWidget* widget) {
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLabel*>(widget) ||
           qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget) ||
           qobject_cast<const QPlainTextEdit*>(widget);
}

// Whether a label's text is cut off at its width (or, wrapped, its height).
bool textCut(const QLabel* label) {
    if (label->text().isEmpty() || label->textFormat() == Qt::RichText) return false;
    if (label->wordWrap()) return label->heightForWidth(label->width()) > label->height();
    QString text = label->text();
    if (label->buddy()) text.remove(QRegularExpression(QStringLiteral("&(?!&)")));  // mnemonics
    for (const QString& line : text.split(QLatin1Char('\n')))
        if (label->fontMetrics().horizontalAdvance(line) > label->contentsRect().width())
            return true;
    return false;
}

// The controls of `window` not shown whole (outside the window, cut by a parent such as a
// scroll area's viewport, or with their text cut off) by class, name, text and geometry.
QStringList cutControls(QWidget* window) {
    QStringList cut;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!isControl(widget) || !widget->isVisibleTo(window)) continue;
        const QRect whole(widget->mapTo(window, QPoint()), widget->size());
        QRect shown = whole;
        for (QWidget* parent = widget->parentWidget(); parent != window;
             parent = parent->parentWidget())
            shown &= QRect(parent->mapTo(window, QPoint()), parent->size());
        shown &= window->rect();
        const auto* label = qobject_cast<const QLabel*>(widget);
        if (shown != whole || (label && textCut(label)))
            cut << QStringLiteral("%1 %2 %3 %4")
                       .arg(QLatin1String(widget->metaObject()->className()), widget->objectName(),
                            widget->property("text").toString(), QDebug::toString(whole));
    }
    return cut;
}

// Empty when `window` lies inside the free area and shows every control whole.
QString fitFault(QWidget* window) {
    const QRect outer = window->frameGeometry();
    if (!area().contains(outer))
        return QStringLiteral("%1 %2 outside %3")
            .arg(QString::fromLatin1(window->metaObject()->className()), QDebug::toString(outer),
                 QDebug::toString(area()));
    return cutControls(window).join(QLatin1String("; "));
}

}  // namespace

class ScreenFitTest : public QObject {
    Q_OBJECT

    kinmora::testing::FamilyFiles m_files;
    std::unique_ptr<kinmora::FamilyDatabase> m_db;
    MainWindow m_main;  // shown first by mainWindowFitsAndKeepsItsRule, then the dialogs' owner

private slots:
    void initTestCase() {
        m_db = kinmora::FamilyDatabase::open(m_files.write("family.mdb", kFamily));
    }

    // On a screen with a panel on top: a window that fits is centred; one too large is shrunk
    // to the area; a minimum larger than the area keeps the title bar inside.
    void fittedRect() {
        const QRect screen(0, 30, 683, 354);
        const std::tuple<QSize, QSize, QRect> cases[] = {
            {{400, 200}, {100, 100}, {141, 111, 400, 200}},
            {{860, 609}, {340, 213}, {2, 30 + 10, 679, 342}},
            {{900, 900}, {700, 400}, {2, 30 + 10, 700, 400}}};
        for (const auto& [wanted, minimum, expected] : cases)
            QCOMPARE(kinmora::screen_fit::fitted(wanted, minimum, QMargins(2, 10, 2, 2), screen),
                     expected);
    }

    void mainWindowFitsAndKeepsItsRule() {
        MainWindow& window = m_main;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
        const QRect outer = window.frameGeometry();
        QVERIFY2(area().contains(outer), qPrintable(QDebug::toString(outer)));
        QVERIFY(qAbs(outer.center().x() - area().center().x()) <= 1);
        QVERIFY(qAbs(outer.center().y() - area().center().y()) <= 1);
        // Shrunk only as far as the screen needs, and never below the minimum.
        using D = MainWindow::Design;
        const QSize designed = twips::toPixels(D::kClientWidth, D::kClientHeight);
        QVERIFY(window.width() == designed.width() || outer.width() == area().width());
        QVERIFY(window.height() == designed.height() || outer.height() == area().height());
        QVERIFY(outer.width() >= twips::toPixelsX(D::kMinimumWidth) &&
                outer.height() >= twips::toPixelsY(D::kMinimumHeight));
        // Twips are twips of the logical resolution at every scale.
        QCOMPARE(twips::toPixelsX(1440), qRound(window.screen()->logicalDotsPerInchX()));
        QVERIFY(qAbs(window.chartTree()->height() -
                     twips::toPixelsY(twips::fromPixelsY(outer.height()) - D::kChartHeightLoss)) <=
                1);
        QCOMPARE(cutControls(&window).join(QLatin1String("; ")), QString());
    }

    // Each dialog, the save dialog and the print preview with its Print and Page setup shown.
    void dialogsFitAndShowEveryControl() {
        const kinmora::FamilyGraph family = kinmora::FamilyGraph::read(*m_db);
        QPrinter printer;
        const std::unique_ptr<QWidget> dialogs[] = {
            std::make_unique<kinmora::OpenFamilyDialog>(&m_main),
            std::make_unique<kinmora::SearchResultsDialog>(&m_main, QStringList{}),
            std::make_unique<kinmora::ParticularsDialog>(&m_main, &m_db->persons(),
                                                         QStringLiteral("มานะพงศ์พิพัฒน์")),
            std::make_unique<kinmora::AboutDialog>(&m_main),
            std::make_unique<kinmora::RelationDialog>(&m_main, family, 0, 2),
            std::make_unique<QPrintDialog>(&printer, &m_main),
            std::make_unique<kinmora::FittedPrintPreviewDialog>(&printer, &m_main)};
        const QWidget* preview = std::rbegin(dialogs)->get();  // its bars are looked at below
        for (const auto& dialog : dialogs) {
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
            QCOMPARE(fitFault(dialog.get()), QString());
            if (dialog.get() != preview) dialog->close();
        }
        QStringList shown;
        for (QToolBar* bar : preview->findChildren<QToolBar*>()) {
            for (QAction* action : bar->actions())
                if (bar->widgetForAction(action) && bar->widgetForAction(action)->isVisible())
                    shown << action->text();
            const auto* extension =
                bar->findChild<QWidget*>(QStringLiteral("qt_toolbarext_button"));
            QVERIFY(!extension || !extension->isVisible());
        }
        QVERIFY2(
            shown.contains(QStringLiteral("Print")) && shown.contains(QStringLiteral("Page setup")),
            qPrintable(shown.join(u',')));

        QStringList faults;
        kinmora::testing::ModalWatcher watcher([&](QWidget* dialog) {
            faults << fitFault(dialog);
            kinmora::testing::ModalWatcher::reject(dialog);
        });
        QString filter = QStringLiteral("SVG (*.svg)");
        QCOMPARE(kinmora::fittedSaveFileName(&m_main, QStringLiteral("บันทึกครอบครัวเป็นแฟ้ม GEDCOM"),
                                             m_files.path("family.ged"),
                                             QStringLiteral("PDF (*.pdf);;SVG (*.svg)"), &filter),
                 QString());
        QCOMPARE(faults, QStringList{QString()});
    }

    // The designed windows shrink as a whole: the same proportions, all controls.
    void shrunkWindowsKeepTheirProportions() {
        kinmora::ParticularsDialog note(&m_main, &m_db->persons(), QStringLiteral("มานะพงศ์พิพัฒน์"));
        // The born value has no caption beside it that could push it along.
        const QRect born = note.findChild<QLabel*>(QStringLiteral("bornValue"))->geometry();
        const QRect text = note.findChild<QPlainTextEdit*>()->geometry();
        const double scale = double(note.width()) / twips::toPixelsX(7935);
        QVERIFY(qAbs(note.height() - scale * twips::toPixelsY(6210)) <= 1);
        QVERIFY(qAbs(born.left() - scale * twips::toPixelsX(360)) <= 1);
        QVERIFY(qAbs(text.bottom() + 1 - scale * twips::toPixelsY(3360 + 2415)) <= 1);
    }
};

QTEST_MAIN(ScreenFitTest)
#include "screen_fit_test.moc"
