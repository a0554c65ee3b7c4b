// The main window as the user meets it: the layout rule, the side selector,
// clicks on the chart, opening a file, each command over a small family and
// the progress shown while a chart is built.
#include "app/main_window.h"

#include <QAction>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QStandardPaths>
#include <QtTest>

#include "app/chart_tree_widget.h"
#include "app/command_tool_bar.h"
#include "app/family_session.h"
#include "app/side_selector.h"
#include "app/status_panels.h"
#include "data/family_file_error.h"
#include "data/family_queries.h"
#include "support/family_files.h"
#include "support/file_patches.h"
#include "support/modal_watcher.h"
#include "windows/background_open.h"
#include "windows/code_page_setting.h"
#include "windows/particulars_dialog.h"
#include "windows/search_results_dialog.h"
#include "windows/twips.h"

using kinmora::ChartNode;
using kinmora::ChartTreeWidget;
using kinmora::FamilySession;
using kinmora::MainWindow;
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

bool isBusy(const MainWindow& window) {
    return window.testAttribute(Qt::WA_SetCursor) && window.cursor().shape() == Qt::WaitCursor;
}

// The toolbar's entries 1 to 8 as '1' (enabled) and '0'.
QString enabled(const MainWindow& window) {
    QString states;
    for (int i = 1; i <= kinmora::CommandToolBar::kEntries; ++i)
        states += window.toolBar()->isButtonEnabled(i) ? QLatin1Char('1') : QLatin1Char('0');
    return states;
}

// What the user sees of the window: caption, chart, panel 1 and buttons.
QStringList looks(const MainWindow& window) {
    return {window.windowTitle(), describe(window.chartTree()).join(QLatin1Char('|')),
            window.statusPanels()->panelText(1), enabled(window)};
}

// Where a node is on screen, for clicks; its ancestors must be expanded.
QPoint centreOf(const MainWindow& window, const QString& key) {
    ChartTreeWidget* tree = window.chartTree();
    return tree->visualItemRect(tree->node(key)).center();
}

void click(MainWindow& window, const QString& key) {
    QTest::mouseClick(window.chartTree()->viewport(), Qt::LeftButton, {}, centreOf(window, key));
}

// Keeps the name a personal information window was loaded for, and closes it.
ModalWatcher::Action noteNameInto(QString& name) {
    return [&name](QWidget* dialog) {
        if (auto* note = qobject_cast<kinmora::ParticularsDialog*>(dialog))
            name = note->particulars().name;
        ModalWatcher::reject(dialog);
    };
}

// Counts the paint events of the widget it watches.
struct PaintCounter : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::Paint;
        return false;
    }
};

}  // namespace

class FrmMainTest : public QObject {
    Q_OBJECT

    kinmora::testing::FamilyFiles m_files;

    // A main window shown on the screen, or nothing.
    static std::unique_ptr<MainWindow> shown() {
        auto window = std::make_unique<MainWindow>();
        window->show();
        return QTest::qWaitForWindowExposed(window.get()) ? std::move(window) : nullptr;
    }

    // A shown main window with kFamily open and the chart of ก้อง built.
    std::unique_ptr<MainWindow> openFamily() {
        auto window = shown();
        if (!window) return nullptr;
        const QString path = m_files.write(QStringLiteral("family.mdb"), kFamily, kMarried);
        if (!window->openFile(path)) return nullptr;
        window->showChart(QStringLiteral("ก้อง"));
        QCoreApplication::processEvents();
        return window;
    }

private slots:
    void init() {
        FamilySession& state = FamilySession::instance();
        state.close();
        state.lastSearch.clear();
        state.pickedName.clear();
    }

    // Outer sizes in twips: asked, then after the rule; the last is asked
    // while minimised, where the chart keeps its size until the window is restored.
    void layoutRule() {
        using namespace kinmora::twips;
        const QSizeF cases[][2] = {{{12900, 9135}, {12900, 9135}},
                                   {{3000, 5000}, {5100, 5000}},
                                   {{100, 100}, {5100, 3200}},
                                   {{7000, 5000}, {7000, 5000}}};
        for (const auto& [asked, expected] : cases) {
            const bool minimised = &asked == &cases[3][0];
            auto window = shown();
            QVERIFY(window);
            const QSize before = window->chartTree()->size();
            const QSize frame = window->frameGeometry().size() - window->size();
            if (minimised) window->setWindowState(Qt::WindowMinimized);
            window->resize(toPixels(asked.width(), asked.height()) - frame);
            if (minimised) {
                QCOMPARE(window->chartTree()->size(), before);
                window->setWindowState(Qt::WindowNoState);
            } else {
                QCOMPARE(window->frameGeometry().size(),
                         toPixels(expected.width(), expected.height()));
            }
            const QSize tree = window->chartTree()->size();
            QVERIFY(qAbs(tree.width() - toPixelsX(expected.width() - 125)) <= 1);
            QVERIFY(qAbs(tree.height() - toPixelsY(expected.height() - 2250)) <= 1);
        }
    }

    // Text typed into the side selector, which Enter neither adds nor turns
    // into a choice, is no choice: the next chart is on the mother's side.
    // (The chosen sides are the opening and the picture tests'.)
    void typedTextInTheSelectorGivesTheMothersSide() {
        auto window = openFamily();
        QVERIFY(window);
        QComboBox* selector = window->sideSelector();
        selector->lineEdit()->end(false);
        QTest::keyClicks(selector->lineEdit(), QStringLiteral("x"));
        QTest::keyClick(selector->lineEdit(), Qt::Key_Return);
        QCOMPARE(selector->currentIndex(), -1);
        QCOMPARE(selector->currentText(), QStringLiteral(" แสดงญาติฝ่ายบิดาx"));
        QCOMPARE(selector->count(), 2);
        window->showChart(QStringLiteral("ก้อง"));
        QCOMPARE(describe(window->chartTree()).mid(0, 3),
                 (QStringList{"0 Root no upper noupper", "1 M1 มาลี female", "2 M2 สมชาย husband"}));
    }

    // A node's kind, not its text, decides whether "refresh" and "note" are
    // offered, when it is clicked and when the keys pick it.
    void nodeClickSwitchesRefreshAndNote() {
        using Bar = kinmora::CommandToolBar;
        using Kind = ChartNode::Kind;
        const std::tuple<const char*, Kind, bool> cases[] = {
            {"upper", Kind::RootUpper, false}, {"no upper", Kind::RootNoUpper, false},
            {"?", Kind::Unknown, false},       {"สมชาย", Kind::Person, true},
            {"มาลี", Kind::Spouse, true},       {"?", Kind::Person, true},
            {"upper", Kind::Spouse, true}};
        for (const auto& [text, kind, enabled] : cases) {
            auto window = shown();
            QVERIFY(window);
            window->addNode(ChartNode{"Root", "upper", "upper", {}, Kind::RootUpper});
            window->addNode(ChartNode{"M1", QString::fromUtf8(text), "male", "Root", kind});
            window->chartTree()->expandAll();
            for (int index : {Bar::kRefreshEntry, Bar::kNoteEntry})
                window->setToolbarButtonEnabled(index, !enabled);
            click(*window, QStringLiteral("M1"));
            QCOMPARE(window->toolBar()->isButtonEnabled(Bar::kRefreshEntry), enabled);
            QCOMPARE(window->toolBar()->isButtonEnabled(Bar::kNoteEntry), enabled);
            window->chartTree()->setCurrentItem(window->chartTree()->node(QStringLiteral("Root")));
            QVERIFY(!window->toolBar()->isButtonEnabled(Bar::kRefreshEntry));
            QTest::keyClick(window->chartTree(), Qt::Key_Down);
            QCOMPARE(window->toolBar()->isButtonEnabled(Bar::kNoteEntry), enabled);
        }
    }

    // A file is read beside the window: it keeps answering, no command can
    // start meanwhile, and Esc cancels at once, leaving the open file, chart,
    // caption, buttons and panel 1 as they were. (A read that fails leaves
    // them so too: see aFileThatCannotBeOpenedChangesNothing.)
    void readingKeepsTheWindowAnsweringAndEscCancelsIt() {
        auto window = openFamily();
        QVERIFY(window && QTest::qWaitForWindowActive(window.get()));  // Esc goes to it
        const QStringList before = looks(*window);
        kinmora::ReadOptions options;
        options.readerProgram = m_files.writeScript(QStringLiteral("stuck"), "exec sleep 60");
        const QString path = m_files.path(QStringLiteral("family.mdb"));
        int ticks = 0;
        QString buttonsWhileReading;
        QString statusWhileReading;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&] {
            ++ticks;
            buttonsWhileReading = enabled(*window);
            statusWhileReading = window->statusPanels()->panelText(1);
        });
        ticker.start(50);
        QTimer::singleShot(500, window.get(),
                           [&] { QTest::keyClick(window.get(), Qt::Key_Escape); });
        QElapsedTimer timer;
        timer.start();
        QVERIFY_THROWS_EXCEPTION(kinmora::ReadCancelled,
                                 kinmora::BackgroundOpen::run(*window, path, options));
        QVERIFY(timer.elapsed() < 1500);
        QVERIFY(ticks >= 5);
        QCOMPARE(buttonsWhileReading, QStringLiteral("00000000"));
        QVERIFY(statusWhileReading.startsWith(QStringLiteral("กำลังอ่าน")));
        QVERIFY(!kinmora::BackgroundOpen::running());
        QCOMPARE(looks(*window), before);
        QCOMPARE(FamilySession::instance().filePath, path);
    }

    // The code page chosen in the "more" menu reads the file again and is
    // remembered for that file the next time it is opened.
    void codePageChoiceIsRememberedPerFile() {
        QStandardPaths::setTestModeEnabled(true);
        const QString path = m_files.write(
            QStringLiteral("latin.mdb"),
            "1," + kinmora::testing::asLatin1Bytes(QStringLiteral("François,Lefèvre")) +
                ",1,,,0,,0,0\n2,Anna,,0,,,0,,0,0\n");
        kinmora::testing::setHeaderCodePage(path, 1252);
        const auto name = [] {
            kinmora::RecordSet& rs = FamilySession::instance().persons();
            rs.findFirst(kinmora::criteria::codeEquals(1));
            return rs.field(QStringLiteral("name")).toText();
        };
        const QString thai =
            QString::fromStdString(kinmora::testing::asLatin1Bytes(QStringLiteral("François")));
        for (int round = 0; round < 2; ++round) {
            auto window = shown();
            QVERIFY(window && window->openFile(path));
            if (round == 0) {
                QCOMPARE(name(), QStringLiteral("François"));
                QMenu* more = window->toolBar()->moreMenu();
                auto* thaiChoice = more->findChild<QAction*>(QStringLiteral("code-page-874"));
                QVERIFY(thaiChoice);
                emit more->aboutToShow();
                QVERIFY(thaiChoice->isEnabled() && !thaiChoice->isChecked());
                thaiChoice->trigger();
            }
            QCOMPARE(name(), thai);
            QCOMPARE(window->windowTitle(), QStringLiteral("Kinmora [latin]"));
        }
        kinmora::code_page_setting::remember(path, 0);
    }

    // Focus coming into the chart picks no node: "refresh" and "note" keep
    // their state, and a later "refresh" has nobody to redraw around.
    void focusPicksNoNode() {
        using Bar = kinmora::CommandToolBar;
        const std::pair<Qt::FocusReason, bool> cases[] = {{Qt::TabFocusReason, false},
                                                          {Qt::ActiveWindowFocusReason, true}};
        for (const auto& [reason, enabled] : cases) {
            auto window = openFamily();
            QVERIFY(window);
            for (int index : {Bar::kRefreshEntry, Bar::kNoteEntry})
                window->setToolbarButtonEnabled(index, enabled);
            window->sideSelector()->setFocus();
            const QStringList chart = describe(window->chartTree());
            window->chartTree()->setFocus(reason);
            QVERIFY(window->chartTree()->hasFocus());
            QCOMPARE(window->toolBar()->isButtonEnabled(Bar::kRefreshEntry), enabled);
            QCOMPARE(window->toolBar()->isButtonEnabled(Bar::kNoteEntry), enabled);
            ModalWatcher watcher;
            window->toolbarButtonClick(QStringLiteral("refresh"));
            QVERIFY(watcher.seen().isEmpty());  // no "NOT FOUND" for the root's text
            QCOMPARE(describe(window->chartTree()), chart);
        }
    }

    // A right press over M2 shows the person of the node picked before (M1;
    // not the root, nor one gone with a rebuild), not the one under the
    // pointer, and leaves the selection alone.
    void rightPress() {
        const std::tuple<const char*, bool, bool> cases[] = {
            {"M1", false, true}, {"Root", false, false}, {"M1", true, false}};
        for (const auto& [selected, rebuild, shown] : cases) {
            auto window = openFamily();
            QVERIFY(window);
            ChartTreeWidget* tree = window->chartTree();
            click(*window, QLatin1String(selected));
            const QString picked = tree->node(QLatin1String(selected))->text(0);
            if (rebuild) window->showChart(QStringLiteral("ก้อง"));
            QTreeWidgetItem* const current = tree->currentItem();
            FamilySession::instance().pickedName = QStringLiteral("before");
            QString noteName;
            ModalWatcher watcher(noteNameInto(noteName));
            const QPoint over = centreOf(*window, QStringLiteral("M2"));
            QTest::mousePress(tree->viewport(), Qt::RightButton, {}, over);
            QTest::mouseRelease(tree->viewport(), Qt::RightButton, {}, over);
            QCOMPARE(noteName, shown ? picked : QString());
            QCOMPARE(FamilySession::instance().pickedName,
                     shown ? picked : QStringLiteral("before"));
            QCOMPARE(tree->currentItem(), current);
            QVERIFY(!isBusy(*window));
        }
    }

    // Opening draws the first person in name order; a chart and its clicks
    // enable the commands; a name nobody has says NOT FOUND, busy, and
    // changes nothing; "exit" closes the file and the window.
    void openingChartClicksAndExit() {
        auto window = shown();
        QVERIFY(window);
        QCOMPARE(looks(*window), (QStringList{"Kinmora", "", "ไม่มีข้อมูล", "11000111"}));
        QVERIFY(window->openFile(m_files.write(QStringLiteral("family.mdb"), kFamily, kMarried)));
        QCOMPARE(window->windowTitle(), QStringLiteral("Kinmora [family]"));
        QCOMPARE(enabled(*window), QStringLiteral("11100111"));
        // ก้อง is first in name order and stands alone on the father's side.
        QCOMPARE(describe(window->chartTree()).first(), QStringLiteral("0 Root upper upper"));
        window->showChart(QStringLiteral("ก้อง"));
        QCoreApplication::processEvents();
        ChartTreeWidget* tree = window->chartTree();
        QCOMPARE(describe(tree), (QStringList{"0 Root upper upper", "1 M1 สมชาย male",
                                              "2 M3 มาลี wife", "3 M4 ก้อง cmale", "2 M5 ? wife",
                                              "3 M6 แก้ว female", "1 M2 สมหญิง female"}));
        QCOMPARE(window->statusPanels()->panelText(1), QStringLiteral("  รวมทั้งสิ้น 6  รายชื่อ"));
        QVERIFY(tree->viewport()->rect().contains(centreOf(*window, QStringLiteral("M4"))));
        QCOMPARE(tree->currentItem(), nullptr);
        QVERIFY(!isBusy(*window));
        click(*window, QStringLiteral("M3"));
        QCOMPARE(enabled(*window), QStringLiteral("11111111"));
        click(*window, QStringLiteral("M5"));
        QCOMPARE(enabled(*window), QStringLiteral("11100111"));
        const QStringList before = looks(*window);
        bool busyDuringMessage = false;
        {
            ModalWatcher watcher([&](QWidget* dialog) {
                busyDuringMessage = isBusy(*window);
                ModalWatcher::reject(dialog);
            });
            window->showChart(QStringLiteral("ไม่มีใคร"));
            QCOMPARE(watcher.seen().size(), 1);
            QCOMPARE(watcher.seen().first().text, QStringLiteral("NOT FOUND"));
            QCOMPARE(watcher.seen().first().title, QStringLiteral("Kinmora"));
        }
        QVERIFY(busyDuringMessage && !isBusy(*window));
        QCOMPARE(looks(*window), before);
        window->toolbarButtonClick(QStringLiteral("exit"));
        QVERIFY(!window->isVisible());
        QVERIFY(!FamilySession::instance().isOpen());
    }

    void refreshRedrawsAroundTheSelectedNodeAndNoteShowsThePersonPickedLast() {
        auto window = openFamily();
        QVERIFY(window);
        ChartTreeWidget* tree = window->chartTree();
        click(*window, QStringLiteral("M3"));
        window->toolbarButtonClick(QStringLiteral("refresh"));
        QCOMPARE(FamilySession::instance().pickedName, QStringLiteral("มาลี"));
        QCOMPARE(describe(tree).mid(1, 3),
                 (QStringList{"1 M1 มาลี cfemale", "2 M2 สมชาย husband", "3 M3 ก้อง male"}));
        QCOMPARE(tree->currentItem(), nullptr);
        QString noteName;
        ModalWatcher note(noteNameInto(noteName));
        window->toolbarButtonClick(QStringLiteral("note"));
        QCOMPARE(noteName, QStringLiteral("มาลี"));
        QVERIFY(!isBusy(*window));
    }

    // The prompt offers the text searched last; the hits are listed and the
    // one chosen drawn; no hits say NOT FOUND; a cancelled prompt forgets the text.
    void searchListsHitsOrSaysNotFound() {
        auto window = openFamily();
        QVERIFY(window);
        QStringList hits;
        QString offered;
        bool busyWhileListed = false;
        const auto answer = [&](const QString& text) -> ModalWatcher::Action {
            return [&, text](QWidget* dialog) {
                if (auto* prompt = qobject_cast<QInputDialog*>(dialog)) {
                    offered = prompt->textValue();
                    prompt->setTextValue(text);
                    prompt->accept();
                } else if (auto* list = qobject_cast<kinmora::SearchResultsDialog*>(dialog)) {
                    hits = list->lines();
                    busyWhileListed = isBusy(*window);
                    list->setCurrentRow(hits.indexOf(QStringLiteral("สมหญิง          ใจดี")));
                    list->confirm();
                } else {
                    ModalWatcher::reject(dialog);
                }
            };
        };
        {
            ModalWatcher search(answer(QStringLiteral("ใจดี")));
            window->toolbarButtonClick(QStringLiteral("Search"));
            QCOMPARE(search.classNames(),
                     (QStringList{"QInputDialog", "kinmora::SearchResultsDialog"}));
        }
        QCOMPARE(hits.size(), 6);
        QVERIFY(busyWhileListed);
        QCOMPARE(describe(window->chartTree()).last(), QStringLiteral("3 M4 สมหญิง cfemale"));
        QVERIFY(!isBusy(*window));
        {
            ModalWatcher none(answer(QStringLiteral("ใจร้าย")));
            window->toolbarButtonClick(QStringLiteral("Search"));
            QCOMPARE(offered, QStringLiteral("ใจดี"));
            QCOMPARE(none.classNames(), (QStringList{"QInputDialog", "QMessageBox"}));
            QCOMPARE(none.seen().last().text, QStringLiteral("NOT FOUND"));
            QVERIFY(!isBusy(*window));
        }
        {
            ModalWatcher cancel;
            window->toolbarButtonClick(QStringLiteral("Search"));
            QCOMPARE(cancel.classNames(), QStringList{"QInputDialog"});
        }
        QVERIFY(FamilySession::instance().lastSearch.isEmpty());
    }

    // A file that cannot be opened is named in a message with the reason;
    // the file open before, its chart and the window stay as they were.
    void aFileThatCannotBeOpenedChangesNothing() {
        m_files.writeFile(QStringLiteral("family.txt"), "x");
        m_files.writeFile(QStringLiteral("broken.mdb"), "hello, not a database");
        auto window = openFamily();
        QVERIFY(window);
        const QStringList before = looks(*window);
        kinmora::FamilyDatabase* database = &FamilySession::instance().database();
        const std::pair<const char*, const char*> cases[] = {
            {"absent.mdb", "ไม่พบแฟ้มนี้"},
            {"family.txt", ".accdb"},
            {"broken.mdb", "not an Access database"}};
        for (const auto& [file, reason] : cases) {
            ModalWatcher watcher;
            QVERIFY(!window->openFile(m_files.path(QLatin1String(file))));
            QCOMPARE(watcher.classNames(), QStringList{"QMessageBox"});
            QCOMPARE(watcher.seen().first().text,
                     QStringLiteral("เปิดแฟ้มข้อมูลไม่ได้: ") + QLatin1String(file));
            QVERIFY(watcher.seen().first().informativeText.contains(QString::fromUtf8(reason)));
            QCOMPARE(looks(*window), before);
            QCOMPARE(&FamilySession::instance().database(), database);
        }
    }

    // A file with a database password asks for it with a hidden field; a
    // wrong one says so and asks again; Esc keeps the file open before.
    void aPasswordFileAsksForItsPassword() {
        auto window = openFamily();
        QVERIFY(window);
        const QStringList before = looks(*window);
        const QString locked = m_files.write(QStringLiteral("ลับ.accdb"), kFamily, kMarried,
                                             {kinmora::testing::FileFormat::Access2007, "ลับ9"});
        {
            ModalWatcher cancelled;  // Esc at the first prompt
            QVERIFY(!window->openFile(locked));
            QCOMPARE(cancelled.classNames(), QStringList{"QInputDialog"});
            QCOMPARE(looks(*window), before);
        }
        QStringList echoes;
        int asked = 0;
        ModalWatcher answering([&](QWidget* w) {
            auto* prompt = qobject_cast<QInputDialog*>(w);
            QVERIFY(prompt);
            echoes << QString::number(prompt->findChild<QLineEdit*>()->echoMode());
            prompt->setTextValue(++asked == 1 ? QStringLiteral("ลับ") : QStringLiteral("ลับ9"));
            prompt->accept();
        });
        QVERIFY(window->openFile(locked));
        QCOMPARE(answering.classNames(), (QStringList{"QInputDialog", "QInputDialog"}));
        QVERIFY(!answering.seen()[0].text.contains(QStringLiteral("ไม่ถูกต้อง")));
        QVERIFY(answering.seen()[1].text.contains(QStringLiteral("รหัสผ่านไม่ถูกต้อง")));
        QCOMPARE(echoes, QStringList(2, QString::number(QLineEdit::Password)));
        // The caption drops the real extension, .accdb as .mdb.
        QCOMPARE(window->windowTitle(), FamilySession::instance().title + QStringLiteral(" [ลับ]"));
    }

    // A count the married table does not hold opens with a Thai warning in panel 1.
    void aStaleCountWarnsInThai() {
        auto window = shown();
        QVERIFY(window);
        const QString stale = m_files.write(QStringLiteral("stale.mdb"), kFamily);
        kinmora::testing::setRowCount(stale, 0, 2);
        QVERIFY(window->openFile(stale));
        QCOMPARE(
            window->statusPanels()->panelText(1),
            QStringLiteral("แฟ้มเสียหายบางส่วน แสดงเท่าที่อ่านได้: ตาราง married ควรมี 2 แถว แต่ไม่มีเลย"));
    }

    // A chart is built without returning to the event loop: the status bar is
    // repainted by hand now and then, not once for every node.
    void progressRepaintsWhileBuilding() {
        auto window = shown();
        QVERIFY(window);
        PaintCounter paints;
        window->statusPanels()->installEventFilter(&paints);
        window->addNode(ChartNode{"Root", "upper", "upper", {}});
        QString parent = QStringLiteral("Root");
        for (int i = 1; i <= 20000; ++i) {
            const QString key = QStringLiteral("M%1").arg(i);
            window->addNode(ChartNode{key, QStringLiteral("คน %1").arg(i), "male",
                                      i % 50 == 1 ? QStringLiteral("Root") : parent});
            if (i % 50 == 1) parent = key;
            if (i % 500 == 0) window->makeVisible(key);
            window->setStatusText(QStringLiteral(" โปรดรอสักครู่ %1").arg(i));
        }
        QVERIFY2(paints.count >= 1 && paints.count <= 100,
                 qPrintable(QString::number(paints.count)));
        QCOMPARE(window->statusPanels()->panelText(1), QStringLiteral(" โปรดรอสักครู่ 20000"));
    }
};

QTEST_MAIN(FrmMainTest)
#include "main_window_test.moc"
