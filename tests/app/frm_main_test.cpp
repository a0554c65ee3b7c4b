// The main window as the user meets it: start-up, layout, the side selector,
// clicks on the chart, the chart of a small family and a session of commands.
#include "app/frm_main.h"

#include <QElapsedTimer>
#include <QInputDialog>
#include <QLineEdit>
#include <QtTest>

#include "app/chart_tree_widget.h"
#include "app/command_tool_bar.h"
#include "app/module1.h"
#include "app/side_selector.h"
#include "app/start_up_file.h"
#include "app/status_panels.h"
#include "modal_watcher.h"
#include "support/family_files.h"
#include "windows/frm_note.h"
#include "windows/frm_search.h"
#include "windows/twips.h"

using kinmora::ChartNode;
using kinmora::ChartTreeWidget;
using kinmora::frm_main;
using kinmora::Module1;
using kinmora::testing::FamilyFiles;
using kinmora::testing::ModalWatcher;

namespace {

// Three generations on the father's side; the mother has no parents in the
// file, and the father has a daughter whose mother is unknown.
const char* const kFamily =
    "1,ทองดี,ใจดี,1,1900-01-01,,0,,0,0\n"
    "2,บุญมี,ใจดี,0,1905-01-01,,0,,0,0\n"
    "3,สมชาย,ใจดี,1,1930-03-01,,0,,1,2\n"
    "4,สมหญิง,ใจดี,0,1932-05-01,,0,,1,2\n"
    "5,มาลี,ศรีสุข,0,1935-01-01,,0,,0,0\n"
    "6,ก้อง,ใจดี,1,1960-01-01,,0,,3,5\n"
    "7,แก้ว,ใจดี,0,1962-01-01,,0,,3,0\n";
const char* const kMarried = "1,2,1\n3,5,1\n";

// Each node in display order: depth, key, text and image.
QStringList describe(const QTreeWidget* tree) {
    QStringList rows;
    std::function<void(const QTreeWidgetItem*, int)> walk = [&](const QTreeWidgetItem* item,
                                                                int depth) {
        rows.append(QStringLiteral("%1 %2 %3 %4")
                        .arg(depth)
                        .arg(item->data(0, ChartTreeWidget::kKeyRole).toString(), item->text(0),
                             item->data(0, ChartTreeWidget::kImageRole).toString()));
        for (int i = 0; i < item->childCount(); ++i) walk(item->child(i), depth + 1);
    };
    for (int i = 0; i < tree->topLevelItemCount(); ++i) walk(tree->topLevelItem(i), 0);
    return rows;
}

bool isBusy(const frm_main& window) {
    return window.testAttribute(Qt::WA_SetCursor) && window.cursor().shape() == Qt::WaitCursor;
}

QList<bool> enabledStates(const frm_main& window) {
    QList<bool> states;
    for (int i = 1; i <= kinmora::CommandToolBar::kEntries; ++i)
        states.append(window.Toolbar1()->isButtonEnabled(i));
    return states;
}

// Where a node is on screen, for clicks; its ancestors must be expanded.
QPoint centreOf(const frm_main& window, const QString& key) {
    ChartTreeWidget* tree = window.TreeView1();
    return tree->visualItemRect(tree->node(key)).center();
}

void click(frm_main& window, const QString& key, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(window.TreeView1()->viewport(), button, {}, centreOf(window, key));
}

// Counts the paint events of the widget it watches.
struct PaintCounter : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::Paint;
        return false;
    }
};

// Answers the Search prompt with `text`, then hands the search dialog to `onSearch`.
ModalWatcher::Action searchFor(const QString& text,
                               std::function<void(kinmora::frm_search*)> onSearch) {
    return [text, onSearch](QWidget* window) {
        if (auto* prompt = qobject_cast<QInputDialog*>(window)) {
            prompt->setTextValue(text);
            prompt->accept();
        } else if (auto* search = qobject_cast<kinmora::frm_search*>(window)) {
            onSearch(search);
        } else {
            ModalWatcher::reject(window);
        }
    };
}

}  // namespace

class FrmMainTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void startUpState();
    void layoutRule_data();
    void layoutRule();
    void minimisedWindowKeepsTree();
    void selectorChoosesSide_data();
    void selectorChoosesSide();
    void chartOfSmallFamily();
    void nodeClickSwitchesRefreshAndNote_data();
    void nodeClickSwitchesRefreshAndNote();
    void rightPress_data();
    void rightPress();
    void rightPressShowsSelectedNotPointed();
    void notFoundKeepsChart();
    void otherKeysDoNothing_data();
    void otherKeysDoNothing();
    void sessionOfCommands();
    void noteWithoutSelectionShowsLastPicked();
    void startUpFileThatCannotBeOpened_data();
    void startUpFileThatCannotBeOpened();
    void exitBeforeOpening();
    void largeChartStaysQuick();

private:
    // A shown main window with kFamily open and the chart of `centre` built.
    std::unique_ptr<frm_main> openFamily(const QString& centre = QStringLiteral("ก้อง"));

    FamilyFiles m_files;
};

void FrmMainTest::init() {
    Module1& state = Module1::instance();
    state.close();
    state.search_text.clear();
    state.select_name.clear();
}

std::unique_ptr<frm_main> FrmMainTest::openFamily(const QString& centre) {
    auto window = std::make_unique<frm_main>();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) return nullptr;
    const QString path = m_files.write(QStringLiteral("family.mdb"), kFamily, kMarried);
    if (!kinmora::openStartUpFile(*window, path)) return nullptr;
    window->calac(centre);
    QCoreApplication::processEvents();
    return window;
}

void FrmMainTest::startUpState() {
    frm_main window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Kinmora"));
    QCOMPARE(Module1::instance().prog_title, QStringLiteral("Kinmora"));
    QCOMPARE(window.Combo1()->count(), 2);
    QCOMPARE(window.Combo1()->itemText(0), QStringLiteral(" แสดงญาติฝ่ายบิดา"));
    QCOMPARE(window.Combo1()->itemText(1), QStringLiteral(" แสดงญาติฝ่ายมารดา"));
    QCOMPARE(window.Combo1()->currentIndex(), 0);
    QCOMPARE(window.Combo1()->currentText(), QStringLiteral(" แสดงญาติฝ่ายบิดา"));
    QCOMPARE(window.StatusBar1()->panelText(1), QStringLiteral("ไม่มีข้อมูล"));
    QCOMPARE(window.StatusBar1()->panelText(2), QStringLiteral("พุทธศักราช 2544"));
    QCOMPARE(window.TreeView1()->topLevelItemCount(), 0);
    QCOMPARE(enabledStates(window),
             (QList<bool>{true, true, false, false, false, true, true, true}));
    QCOMPARE(window.palette().color(QPalette::Window), QColor(192, 192, 192));
    QCOMPARE(window.size(), kinmora::twips::toPixels(12900, 9135));
    QVERIFY(!isBusy(window));
}

void FrmMainTest::layoutRule_data() {
    QTest::addColumn<QSizeF>("asked");     // outer size, twips
    QTest::addColumn<QSizeF>("expected");  // outer size after the rule, twips
    QTest::newRow("designed size") << QSizeF(12900, 9135) << QSizeF(12900, 9135);
    QTest::newRow("smaller") << QSizeF(6000, 4000) << QSizeF(6000, 4000);
    QTest::newRow("exactly the minimum") << QSizeF(5100, 3200) << QSizeF(5100, 3200);
    QTest::newRow("too narrow") << QSizeF(3000, 5000) << QSizeF(5100, 5000);
    QTest::newRow("too low") << QSizeF(8000, 1000) << QSizeF(8000, 3200);
    QTest::newRow("too small both ways") << QSizeF(100, 100) << QSizeF(5100, 3200);
}

void FrmMainTest::layoutRule() {
    QFETCH(QSizeF, asked);
    QFETCH(QSizeF, expected);
    using namespace kinmora::twips;
    frm_main window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QSize frame = window.frameGeometry().size() - window.size();
    window.resize(toPixels(asked.width(), asked.height()) - frame);

    const QRect outer = window.frameGeometry();
    QCOMPARE(outer.size(), toPixels(expected.width(), expected.height()));
    const QRect tree = window.TreeView1()->geometry();
    QVERIFY(qAbs(tree.width() - toPixelsX(expected.width() - 125)) <= 1);
    QVERIFY(qAbs(tree.height() - toPixelsY(expected.height() - 2250)) <= 1);
    // Left 0, Top 1440 of the window's client area.
    QCOMPARE(window.TreeView1()->mapTo(&window, QPoint(0, 0)), QPoint(0, toPixelsY(1440)));
    QCOMPARE(window.Combo1()->mapTo(&window, QPoint(0, 0)), QPoint(toPixelsX(120), toPixelsY(960)));
}

void FrmMainTest::minimisedWindowKeepsTree() {
    using namespace kinmora::twips;
    frm_main window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QSize before = window.TreeView1()->size();
    const QSize frame = window.frameGeometry().size() - window.size();
    window.setWindowState(Qt::WindowMinimized);
    window.resize(toPixels(7000, 5000) - frame);
    QCOMPARE(window.TreeView1()->size(), before);

    window.setWindowState(Qt::WindowNoState);
    QVERIFY(qAbs(window.TreeView1()->height() - toPixelsY(5000 - 2250)) <= 1);
    QVERIFY(qAbs(window.TreeView1()->width() - toPixelsX(7000 - 125)) <= 1);
}

void FrmMainTest::selectorChoosesSide_data() {
    QTest::addColumn<int>("index");  // -1: the user types into the selector
    QTest::addColumn<QStringList>("firstRows");
    QTest::newRow("father's side")
        << 0 << QStringList{"0 Root upper upper", "1 M1 สมชาย male", "2 M3 มาลี wife"};
    QTest::newRow("mother's side")
        << 1 << QStringList{"0 Root no upper noupper", "1 M1 มาลี female", "2 M2 สมชาย husband"};
    QTest::newRow("typed text") << -1
                                << QStringList{"0 Root no upper noupper", "1 M1 มาลี female",
                                               "2 M2 สมชาย husband"};
}

void FrmMainTest::selectorChoosesSide() {
    QFETCH(int, index);
    QFETCH(QStringList, firstRows);
    auto window = openFamily();
    QVERIFY(window);
    if (index >= 0) {
        window->Combo1()->setCurrentIndex(index);
    } else {
        QTest::keyClicks(window->Combo1()->lineEdit(), QStringLiteral("x"));
        // Enter neither adds the typed text nor picks an item.
        QTest::keyClick(window->Combo1()->lineEdit(), Qt::Key_Return);
        QCOMPARE(window->Combo1()->currentIndex(), -1);
        QCOMPARE(window->Combo1()->currentText(), QStringLiteral(" แสดงญาติฝ่ายบิดาx"));
        QCOMPARE(window->Combo1()->count(), 2);
    }
    window->calac(QStringLiteral("ก้อง"));
    QCOMPARE(describe(window->TreeView1()).mid(0, 3), firstRows);
}

void FrmMainTest::chartOfSmallFamily() {
    auto window = openFamily();
    QVERIFY(window);
    ChartTreeWidget* tree = window->TreeView1();
    QCOMPARE(describe(tree), (QStringList{
                                 "0 Root upper upper",
                                 "1 M1 สมชาย male",
                                 "2 M3 มาลี wife",
                                 "3 M4 ก้อง cmale",
                                 "2 M5 ? wife",
                                 "3 M6 แก้ว female",
                                 "1 M2 สมหญิง female",
                             }));
    QCOMPARE(window->StatusBar1()->panelText(1), QStringLiteral("  รวมทั้งสิ้น 6  รายชื่อ"));
    // The centre person is in view: every ancestor of it is open, nothing else.
    for (const char* open : {"Root", "M1", "M3"})
        QVERIFY2(tree->node(QLatin1String(open))->isExpanded(), open);
    for (const char* shut : {"M2", "M4", "M5", "M6"})
        QVERIFY2(!tree->node(QLatin1String(shut))->isExpanded(), shut);
    QVERIFY(tree->viewport()->rect().contains(centreOf(*window, QStringLiteral("M4"))));
    QCOMPARE(tree->currentItem(), nullptr);
    QVERIFY(!isBusy(*window));
    QCOMPARE(window->windowTitle(), QStringLiteral("Kinmora [family]"));
}

void FrmMainTest::nodeClickSwitchesRefreshAndNote_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("image");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("root with forebears") << "upper" << QStringLiteral("upper") << false;
    QTest::newRow("root without forebears") << "no upper" << QStringLiteral("noupper") << false;
    QTest::newRow("unknown parent") << "?" << QStringLiteral("wife") << false;
    QTest::newRow("person") << "สมชาย" << QStringLiteral("male") << true;
    QTest::newRow("centre person") << "ก้อง" << QStringLiteral("cmale") << true;
    QTest::newRow("spouse") << "มาลี" << QStringLiteral("husband") << true;
    QTest::newRow("marker text in other case") << "Upper" << QStringLiteral("male") << true;
    QTest::newRow("marker text with a space") << "? " << QStringLiteral("female") << true;
}

void FrmMainTest::nodeClickSwitchesRefreshAndNote() {
    QFETCH(QString, text);
    QFETCH(QString, image);
    QFETCH(bool, enabled);
    frm_main window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.addNode(ChartNode{"Root", "upper", "upper", {}});
    window.addNode(ChartNode{"M1", text, image, "Root"});
    window.TreeView1()->expandAll();
    for (int index : {4, 5}) window.setToolbarButtonEnabled(index, !enabled);

    click(window, QStringLiteral("M1"));
    QCOMPARE(window.Toolbar1()->isButtonEnabled(4), enabled);
    QCOMPARE(window.Toolbar1()->isButtonEnabled(5), enabled);

    // Picking it with the keys counts as well.
    window.TreeView1()->setCurrentItem(window.TreeView1()->node(QStringLiteral("Root")));
    QVERIFY(!window.Toolbar1()->isButtonEnabled(4));
    QTest::keyClick(window.TreeView1(), Qt::Key_Down);
    QCOMPARE(window.Toolbar1()->isButtonEnabled(5), enabled);
}

void FrmMainTest::rightPress_data() {
    QTest::addColumn<QString>("selected");  // key of the node picked first; "" for none
    QTest::addColumn<bool>("rebuild");      // rebuild the chart before pressing
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("shown");
    QTest::newRow("right on a person") << "M1" << false << int(Qt::RightButton) << true;
    QTest::newRow("right on a spouse") << "M3" << false << int(Qt::RightButton) << true;
    QTest::newRow("left press") << "M1" << false << int(Qt::LeftButton) << false;
    QTest::newRow("middle press") << "M1" << false << int(Qt::MiddleButton) << false;
    QTest::newRow("refresh disabled by the root")
        << "Root" << false << int(Qt::RightButton) << false;
    QTest::newRow("nothing picked yet") << "" << false << int(Qt::RightButton) << false;
    QTest::newRow("selection gone with a rebuild") << "M1" << true << int(Qt::RightButton) << false;
}

void FrmMainTest::rightPress() {
    QFETCH(QString, selected);
    QFETCH(bool, rebuild);
    QFETCH(int, button);
    QFETCH(bool, shown);
    auto window = openFamily();
    QVERIFY(window);
    if (!selected.isEmpty()) click(*window, selected);
    const QString picked =
        selected.isEmpty() ? QString() : window->TreeView1()->node(selected)->text(0);
    if (rebuild) window->calac(QStringLiteral("ก้อง"));
    Module1::instance().select_name = QStringLiteral("before");

    QString noteName;
    ModalWatcher watcher([&](QWidget* dialog) {
        if (auto* note = qobject_cast<kinmora::frm_note*>(dialog))
            noteName = note->particulars().name;
        ModalWatcher::reject(dialog);
    });
    QTest::mousePress(window->TreeView1()->viewport(), Qt::MouseButton(button), {},
                      centreOf(*window, QStringLiteral("M2")));
    QTest::mouseRelease(window->TreeView1()->viewport(), Qt::MouseButton(button), {},
                        centreOf(*window, QStringLiteral("M2")));

    if (shown) {
        QCOMPARE(watcher.classNames(), QStringList{"kinmora::frm_note"});
        QCOMPARE(noteName, picked);
        QCOMPARE(Module1::instance().select_name, picked);
    } else {
        QVERIFY(!watcher.classNames().contains(QStringLiteral("kinmora::frm_note")));
        QCOMPARE(Module1::instance().select_name, QStringLiteral("before"));
    }
    QVERIFY(!isBusy(*window));
}

void FrmMainTest::rightPressShowsSelectedNotPointed() {
    auto window = openFamily();
    QVERIFY(window);
    click(*window, QStringLiteral("M1"));
    ModalWatcher watcher;
    QTest::mouseClick(window->TreeView1()->viewport(), Qt::RightButton, {},
                      centreOf(*window, QStringLiteral("M3")));
    QCOMPARE(Module1::instance().select_name, QStringLiteral("สมชาย"));
    QCOMPARE(window->TreeView1()->currentItem(), window->TreeView1()->node(QStringLiteral("M1")));
}

void FrmMainTest::notFoundKeepsChart() {
    auto window = openFamily();
    QVERIFY(window);
    const QStringList chart = describe(window->TreeView1());
    const QString status = window->StatusBar1()->panelText(1);

    bool busyDuringMessage = false;
    ModalWatcher watcher([&](QWidget* dialog) {
        busyDuringMessage = isBusy(*window);
        ModalWatcher::reject(dialog);
    });
    window->calac(QStringLiteral("ไม่มีใคร"));
    QCOMPARE(watcher.seen().size(), 1);
    QCOMPARE(watcher.seen().first().text, QStringLiteral("NOT FOUND"));
    QCOMPARE(watcher.seen().first().title, QStringLiteral("Kinmora"));
    QVERIFY(busyDuringMessage);
    QVERIFY(!isBusy(*window));
    QCOMPARE(describe(window->TreeView1()), chart);
    QCOMPARE(window->StatusBar1()->panelText(1), status);
}

void FrmMainTest::otherKeysDoNothing_data() {
    QTest::addColumn<QString>("key");
    QTest::newRow("separator") << "";
    QTest::newRow("search in lower case") << "search";
    QTest::newRow("Refresh capitalised") << "Refresh";
    QTest::newRow("open with a space") << "open ";
    QTest::newRow("EXIT") << "EXIT";
}

void FrmMainTest::otherKeysDoNothing() {
    QFETCH(QString, key);
    auto window = openFamily();
    QVERIFY(window);
    click(*window, QStringLiteral("M1"));
    const QStringList chart = describe(window->TreeView1());
    const QList<bool> states = enabledStates(*window);
    ModalWatcher watcher;
    window->toolbarButtonClick(key);
    QCoreApplication::processEvents();
    QVERIFY(watcher.seen().isEmpty());
    QVERIFY(window->isVisible());
    QCOMPARE(enabledStates(*window), states);
    QCOMPARE(describe(window->TreeView1()), chart);
}

void FrmMainTest::sessionOfCommands() {
    frm_main window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QList<bool> atStart{true, true, false, false, false, true, true, true};
    QCOMPARE(enabledStates(window), atStart);

    // Opening enables Search and draws the first person in name order.
    const QString path = m_files.write(QStringLiteral("family.mdb"), kFamily, kMarried);
    QVERIFY(kinmora::openStartUpFile(window, path));
    QCOMPARE(window.windowTitle(), QStringLiteral("Kinmora [family]"));
    QCOMPARE(enabledStates(window),
             (QList<bool>{true, true, true, false, false, true, true, true}));
    QVERIFY(window.TreeView1()->topLevelItemCount() == 1);
    window.calac(QStringLiteral("ก้อง"));
    QCoreApplication::processEvents();

    // A person enables refresh and note; the markers disable them.
    click(window, QStringLiteral("M3"));
    QCOMPARE(enabledStates(window), (QList<bool>{true, true, true, true, true, true, true, true}));
    click(window, QStringLiteral("M5"));
    QCOMPARE(enabledStates(window),
             (QList<bool>{true, true, true, false, false, true, true, true}));
    click(window, QStringLiteral("M3"));

    // refresh redraws around the selected spouse and leaves no node selected.
    window.toolbarButtonClick(QStringLiteral("refresh"));
    QCOMPARE(Module1::instance().select_name, QStringLiteral("มาลี"));
    QCOMPARE(window.TreeView1()->node(QStringLiteral("M3"))->text(0), QStringLiteral("ก้อง"));
    QCOMPARE(window.TreeView1()->node(QStringLiteral("M3"))->data(0, ChartTreeWidget::kImageRole),
             QVariant(QStringLiteral("male")));
    QCOMPARE(window.TreeView1()->currentItem(), nullptr);
    QVERIFY(window.Toolbar1()->isButtonEnabled(4));
    // refresh with nothing selected does nothing.
    const QStringList chart = describe(window.TreeView1());
    window.toolbarButtonClick(QStringLiteral("refresh"));
    QCOMPARE(describe(window.TreeView1()), chart);

    // Search: the prompt, then the hits, the cursor busy while they are
    // listed; OK draws the chosen person.
    {
        QStringList hits;
        bool busyWhileListed = false;
        ModalWatcher search(searchFor(QStringLiteral("ใจดี"), [&](kinmora::frm_search* dialog) {
            hits = dialog->lines();
            busyWhileListed = isBusy(window);
            dialog->setCurrentRow(hits.indexOf(QStringLiteral("สมหญิง          ใจดี")));
            dialog->confirm();
        }));
        window.toolbarButtonClick(QStringLiteral("Search"));
        QCOMPARE(search.classNames(), (QStringList{"QInputDialog", "kinmora::frm_search"}));
        QCOMPARE(search.seen().first().title, QStringLiteral("สืบค้น"));
        QCOMPARE(search.seen().first().text, QStringLiteral("ข้อความ :"));
        QCOMPARE(hits.size(), 6);
        QVERIFY(hits.contains(QStringLiteral("ก้อง          ใจดี")));
        QVERIFY(!hits.contains(QStringLiteral("มาลี          ศรีสุข")));
        QVERIFY(busyWhileListed);
    }
    QCOMPARE(Module1::instance().search_text, QStringLiteral("ใจดี"));
    const ChartTreeWidget* tree = window.TreeView1();
    QCOMPARE(tree->node(QStringLiteral("M4"))->text(0), QStringLiteral("สมหญิง"));
    QCOMPARE(tree->node(QStringLiteral("M4"))->data(0, ChartTreeWidget::kImageRole).toString(),
             QStringLiteral("cfemale"));
    QVERIFY(!isBusy(window));
    QCOMPARE(enabledStates(window), (QList<bool>{true, true, true, false, true, true, true, true}));

    // The prompt offers the last text; a search without hits says so.
    click(window, QStringLiteral("M1"));
    {
        QString offered;
        ModalWatcher none([&](QWidget* dialog) {
            if (auto* input = qobject_cast<QInputDialog*>(dialog)) {
                offered = input->textValue();
                input->setTextValue(QStringLiteral("ใจร้าย"));
                input->accept();
            } else {
                ModalWatcher::reject(dialog);
            }
        });
        window.toolbarButtonClick(QStringLiteral("Search"));
        QCOMPARE(offered, QStringLiteral("ใจดี"));
        QCOMPARE(none.classNames(), (QStringList{"QInputDialog", "QMessageBox"}));
        QCOMPARE(none.seen().last().text, QStringLiteral("NOT FOUND"));
    }
    QVERIFY(!isBusy(window));
    QCOMPARE(enabledStates(window), (QList<bool>{true, true, true, false, true, true, true, true}));

    // A cancelled prompt forgets the text and changes nothing else.
    click(window, QStringLiteral("M1"));
    {
        ModalWatcher cancel;
        window.toolbarButtonClick(QStringLiteral("Search"));
        QCOMPARE(cancel.classNames(), QStringList{"QInputDialog"});
    }
    QVERIFY(Module1::instance().search_text.isEmpty());
    QVERIFY(window.Toolbar1()->isButtonEnabled(4));

    // note shows the selected person; about and open their windows.
    {
        ModalWatcher windows;
        click(window, QStringLiteral("M1"));
        window.toolbarButtonClick(QStringLiteral("note"));
        QCOMPARE(Module1::instance().select_name, QStringLiteral("ทองดี"));
        window.toolbarButtonClick(QStringLiteral("about"));
        window.toolbarButtonClick(QStringLiteral("open"));
        QCOMPARE(windows.classNames(),
                 (QStringList{"kinmora::frm_note", "kinmora::frm_About", "kinmora::open_form"}));
    }
    QVERIFY(!isBusy(window));
    QVERIFY(Module1::instance().isOpen());

    // exit closes the file and the window.
    window.toolbarButtonClick(QStringLiteral("exit"));
    QVERIFY(!window.isVisible());
    QVERIFY(!Module1::instance().isOpen());
}

void FrmMainTest::noteWithoutSelectionShowsLastPicked() {
    auto window = openFamily();
    QVERIFY(window);
    click(*window, QStringLiteral("M2"));
    window->toolbarButtonClick(QStringLiteral("refresh"));  // around สมหญิง; nothing selected now
    QCOMPARE(window->TreeView1()->currentItem(), nullptr);
    QString shown;
    ModalWatcher watcher([&](QWidget* dialog) {
        if (auto* note = qobject_cast<kinmora::frm_note*>(dialog)) shown = note->particulars().name;
        ModalWatcher::reject(dialog);
    });
    window->toolbarButtonClick(QStringLiteral("note"));
    QCOMPARE(shown, QStringLiteral("สมหญิง"));
    QVERIFY(!isBusy(*window));
}

void FrmMainTest::startUpFileThatCannotBeOpened_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");  // empty: the file is not written
    QTest::newRow("missing") << "absent.mdb" << QByteArray();
    QTest::newRow("not an Access file") << "broken.mdb" << QByteArray("hello, not a database");
}

void FrmMainTest::startUpFileThatCannotBeOpened() {
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    const QString path = m_files.path(file);
    if (!content.isEmpty()) {
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(content);
    }
    frm_main window;
    window.show();
    ModalWatcher watcher;
    QVERIFY(!kinmora::openStartUpFile(window, path));
    QCOMPARE(watcher.classNames(), QStringList{"QMessageBox"});
    QVERIFY(watcher.seen().first().text.contains(file));
    QCOMPARE(window.windowTitle(), QStringLiteral("Kinmora"));
    QCOMPARE(window.TreeView1()->topLevelItemCount(), 0);
    QVERIFY(!window.Toolbar1()->isButtonEnabled(3));
    QVERIFY(!Module1::instance().isOpen());
}

void FrmMainTest::exitBeforeOpening() {
    frm_main window;
    window.show();
    ModalWatcher watcher;
    window.toolbarButtonClick(QStringLiteral("exit"));
    QVERIFY(!window.isVisible());
    QVERIFY(watcher.seen().isEmpty());
}

void FrmMainTest::largeChartStaysQuick() {
    frm_main window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    PaintCounter paints;
    window.StatusBar1()->installEventFilter(&paints);
    QElapsedTimer timer;
    timer.start();
    window.setBusy(true);
    window.clearNodes();
    window.addNode(ChartNode{"Root", "upper", "upper", {}});
    constexpr int kNodes = 20000;
    QString parent = QStringLiteral("Root");
    for (int i = 1; i <= kNodes; ++i) {
        const QString key = QStringLiteral("M%1").arg(i);
        window.addNode(ChartNode{key, QStringLiteral("คน %1").arg(i), "male",
                                 i % 50 == 1 ? QStringLiteral("Root") : parent});
        if (i % 50 == 1) parent = key;
        if (i % 500 == 0) window.makeVisible(key);
        window.setStatusText(QStringLiteral(" โปรดรอสักครู่ %1").arg(i));
    }
    window.setBusy(false);
    const qint64 elapsed = timer.elapsed();
    // The progress shows while the build holds the event loop, a few times a second.
    QVERIFY(paints.count >= 1);
    QVERIFY2(paints.count <= elapsed / 150 + 1,
             qPrintable(QStringLiteral("%1 paints in %2 ms").arg(paints.count).arg(elapsed)));
    QVERIFY2(elapsed < 3000, qPrintable(QStringLiteral("%1 ms").arg(elapsed)));

    QCoreApplication::processEvents();
    QCOMPARE(window.StatusBar1()->panelText(1), QStringLiteral(" โปรดรอสักครู่ 20000"));
    QCOMPARE(window.TreeView1()->topLevelItem(0)->childCount(), kNodes / 50);
    QVERIFY(window.TreeView1()->viewport()->rect().contains(
        centreOf(window, QStringLiteral("M20000"))));
}

QTEST_MAIN(FrmMainTest)
#include "frm_main_test.moc"
