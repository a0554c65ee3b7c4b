// The main window as the user meets it: the layout rule, the side selector,
// clicks on the chart, opening a file, each command over a small family, and
// the entries and progress while work runs beside the window.
#include "app/main_window.h"

#include <QAction>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

#include "app/chart_tree_widget.h"
#include "app/command.h"
#include "app/command_tool_bar.h"
#include "app/family_session.h"
#include "app/job_runner.h"
#include "app/node_icons.h"
#include "app/side_selector.h"
#include "app/status_panels.h"
#include "data/family_queries.h"
#include "support/family_files.h"
#include "support/file_patches.h"
#include "support/modal_watcher.h"
#include "windows/code_page_setting.h"
#include "windows/particulars_dialog.h"
#include "windows/search_results_dialog.h"
#include "windows/twips.h"

using kinmora::ChartNode;
using kinmora::ChartTreeWidget;
using kinmora::MainWindow;
using kinmora::NodeIcons;
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
QStringList describe(QTreeWidget* tree) {
    QStringList rows;
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        int depth = 0;
        for (const QTreeWidgetItem* up = (*it)->parent(); up; up = up->parent()) ++depth;
        rows.append(QStringLiteral("%1 %2 %3 %4")
                        .arg(depth)
                        .arg((*it)->data(0, ChartTreeWidget::kKeyRole).toString(), (*it)->text(0),
                             NodeIcons::keyOf(ChartTreeWidget::nodeOf(*it))));
    }
    return rows;
}

bool isBusy(const MainWindow& window) {
    return window.testAttribute(Qt::WA_SetCursor) && window.cursor().shape() == Qt::WaitCursor;
}

// The toolbar's entries 1 to 8 as '1' (enabled) and '0'.
QString enabled(const MainWindow& window) {
    QString states;
    for (int i = 1; i <= kinmora::CommandToolBar::kEntries; ++i)
        states += window.toolBar()->isEntryEnabled(i) ? QLatin1Char('1') : QLatin1Char('0');
    return states;
}

// What the user sees of the window: caption, chart, panel 1 and buttons.
QStringList looks(const MainWindow& window) {
    return {window.windowTitle(), describe(window.chartTree()).join(QLatin1Char('|')),
            window.statusPanels()->panelText(1), enabled(window)};
}

// Whether the window's work, the chart's filling included, ends within 20 s.
bool settled(const MainWindow& window) {
    return QTest::qWaitFor([&] { return !window.isWorking(); }, 20000);
}

// Opens `path` and waits until its chart is shown; false when it was not opened.
bool openAndWait(MainWindow& window, const QString& path) {
    QSignalSpy opened(&window, &MainWindow::openFinished);
    if (!window.openFile(path) || !QTest::qWaitFor([&] { return opened.size() > 0; }, 20000))
        return false;
    return opened.first().first().toBool() && settled(window);
}

bool chartAndWait(MainWindow& window, const QString& name) {
    return window.showChart(name) && settled(window);
}

// Runs the command keyed `key` as its toolbar entry does.
void trigger(MainWindow& window, const char* key) {
    window.command(QLatin1String(key))->action()->trigger();
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

}  // namespace

class MainWindowTest : public QObject {
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
        if (window && openAndWait(*window, m_files.write("family.mdb", kFamily, kMarried)) &&
            chartAndWait(*window, QStringLiteral("ก้อง")))
            return window;
        return nullptr;
    }

private slots:
    // Outer sizes in twips: asked, then after the rule; the last is asked
    // while minimised, where the chart keeps its size until the window is restored.
    void layoutRule() {
        using namespace kinmora::twips;
        using D = MainWindow::Design;
        const QSizeF client(D::kClientWidth, D::kClientHeight);
        const QSizeF cases[][2] = {{client, client},
                                   {{3000, 5000}, {D::kMinimumWidth, 5000}},
                                   {{100, 100}, {D::kMinimumWidth, D::kMinimumHeight}},
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
            QVERIFY(qAbs(tree.width() - toPixelsX(expected.width() - D::kChartWidthLoss)) <= 1);
            QVERIFY(qAbs(tree.height() - toPixelsY(expected.height() - D::kChartHeightLoss)) <= 1);
        }
    }

    // Text typed into the side selector, which Enter neither adds nor turns
    // into a choice, is no choice: the next chart is on the mother's side.
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
        QVERIFY(chartAndWait(*window, QStringLiteral("ก้อง")));
        QCOMPARE(describe(window->chartTree()).mid(0, 3),
                 (QStringList{"0 Root no upper noupper", "1 M1 มาลี female", "2 M2 สมชาย husband"}));
    }

    // A node's role, not its text, decides whether "refresh" and "note" are
    // offered, when it is clicked and when the keys pick it.
    void nodeClickSwitchesRefreshAndNote() {
        using Bar = kinmora::CommandToolBar;
        using Role = ChartNode::Role;
        const std::tuple<const char*, Role, bool> cases[] = {
            {"upper", Role::RootUpper, false},  {"no upper", Role::RootNoUpper, false},
            {"?", Role::UnknownPartner, false}, {"สมชาย", Role::Person, true},
            {"มาลี", Role::Spouse, true},        {"?", Role::Person, true},
            {"upper", Role::Spouse, true}};
        for (const auto& [text, role, offered] : cases) {
            auto window = shown();
            QVERIFY(window);
            ChartTreeWidget* tree = window->chartTree();
            tree->addNode(ChartNode{"Root", "upper", {}, Role::RootUpper});
            tree->addNode(ChartNode{"M1", QString::fromUtf8(text), "Root", role});
            tree->addNode(ChartNode{"M2", QStringLiteral("ก้อง"), "Root", Role::Person});
            tree->expandAll();
            // From the opposite state: a person's node offers both, the root neither.
            click(*window, offered ? QStringLiteral("Root") : QStringLiteral("M2"));
            QCOMPARE(window->refreshOffered(), !offered);
            click(*window, QStringLiteral("M1"));
            QCOMPARE(window->toolBar()->isEntryEnabled(Bar::kRefreshEntry), offered);
            QCOMPARE(window->toolBar()->isEntryEnabled(Bar::kNoteEntry), offered);
            tree->setCurrentItem(tree->node(QStringLiteral("Root")));
            QVERIFY(!window->toolBar()->isEntryEnabled(Bar::kRefreshEntry));
            QTest::keyClick(tree, Qt::Key_Down);
            QCOMPARE(window->toolBar()->isEntryEnabled(Bar::kNoteEntry), offered);
        }
    }

    // A file is read beside the window: it keeps answering, no command can
    // start meanwhile, and Esc or the status bar's ยกเลิก cancels at once,
    // leaving the open file, chart, caption, entries and panel 1 as they were;
    // closing the window stops the read and ends cleanly.
    void readingKeepsTheWindowAnsweringAndCancelsByEscButtonOrClose() {
        for (const char* how : {"Esc", "button", "close"}) {
            auto window = openFamily();
            QVERIFY(window && QTest::qWaitForWindowActive(window.get()));  // Esc goes to it
            const QStringList before = looks(*window);
            window->setReaderProgram(m_files.writeScript(QStringLiteral("stuck"), "exec sleep 60"));
            const QString path = m_files.path(QStringLiteral("family.mdb"));
            auto* cancel =
                window->statusPanels()->findChild<QPushButton*>(QStringLiteral("cancelJob"));
            QVERIFY(cancel);
            QSignalSpy finished(window.get(), &MainWindow::openFinished);
            QElapsedTimer timer;
            timer.start();
            QVERIFY(window->openFile(path));
            // Progress and the button come from the window's own timer: they
            // show only while the window answers during the read.
            QTRY_VERIFY_WITH_TIMEOUT(cancel->isVisible(), 20000);
            QCOMPARE(enabled(*window), QStringLiteral("01000100"));  // separators aside
            QVERIFY(window->statusPanels()->panelText(1).startsWith(QStringLiteral("กำลังอ่าน")));
            // A click may run the event loop itself, so the end is awaited by count.
            if (*how == 'c') {
                window->close();
                QVERIFY(timer.elapsed() < 20000);
                QVERIFY(!window->jobs().isBusy() && !window->session().isOpen());
                continue;
            }
            if (*how == 'b')
                QTest::mouseClick(cancel, Qt::LeftButton);
            else
                QTest::keyClick(window.get(), Qt::Key_Escape);
            QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 30000);
            // Far sooner than the stuck reader's minute, however busy the machine.
            QVERIFY(timer.elapsed() < 20000);
            QCOMPARE(finished.first().first().toBool(), false);
            QVERIFY(!window->jobs().isBusy() && !cancel->isVisible());
            QCOMPARE(looks(*window), before);
            QCOMPARE(window->session().filePath(), path);
        }
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
        const QString thai =
            QString::fromStdString(kinmora::testing::asLatin1Bytes(QStringLiteral("François")));
        for (int round = 0; round < 2; ++round) {
            auto window = shown();
            QVERIFY(window && openAndWait(*window, path));
            const auto name = [&] {
                kinmora::RecordSet& rs = window->session().persons();
                rs.findFirst(kinmora::criteria::codeEquals(1));
                return rs.field(QStringLiteral("name")).toText();
            };
            if (round == 0) {
                QCOMPARE(name(), QStringLiteral("François"));
                QAction* thaiChoice = window->command(QStringLiteral("code-page-874"))->action();
                QVERIFY(thaiChoice->isEnabled() && !thaiChoice->isChecked());
                // The names as they would read come first; Cancel keeps the reading.
                for (const bool agree : {false, true}) {
                    ModalWatcher preview([agree](QWidget* box) {
                        auto* question = qobject_cast<QMessageBox*>(box);
                        QVERIFY(question);
                        question->button(agree ? QMessageBox::Ok : QMessageBox::Cancel)->click();
                    });
                    QSignalSpy finished(window.get(), &MainWindow::openFinished);
                    thaiChoice->trigger();
                    QVERIFY(finished.wait(20000) && settled(*window));
                    QCOMPARE(finished.first().first().toBool(), agree);
                    QCOMPARE(preview.seen().size(), 1);
                    QVERIFY(
                        preview.seen().first().informativeText.contains(QStringLiteral("Anna")));
                    QCOMPARE(thaiChoice->isChecked(), agree);
                    if (!agree) QCOMPARE(name(), QStringLiteral("François"));
                }
            }
            QCOMPARE(name(), thai);
            QCOMPARE(window->windowTitle(), QStringLiteral("Kinmora [latin]"));
        }
        kinmora::code_page_setting::remember(path, 0);
    }

    // Focus coming into the chart picks no node: "refresh" and "note" keep
    // their state, and a later "refresh" has nobody to redraw around.
    void focusPicksNoNode() {
        for (const auto reason : {Qt::TabFocusReason, Qt::ActiveWindowFocusReason}) {
            auto window = openFamily();
            QVERIFY(window);
            window->sideSelector()->setFocus();
            const QStringList chart = describe(window->chartTree());
            window->chartTree()->setFocus(reason);
            QVERIFY(window->chartTree()->hasFocus());
            QCOMPARE(enabled(*window), QStringLiteral("11100111"));
            ModalWatcher watcher;
            trigger(*window, "refresh");
            QVERIFY(settled(*window));
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
            if (rebuild) QVERIFY(chartAndWait(*window, QStringLiteral("ก้อง")));
            QTreeWidgetItem* const current = tree->currentItem();
            window->session().setPickedName(QStringLiteral("before"));
            QString noteName;
            ModalWatcher watcher(noteNameInto(noteName));
            QTest::mouseClick(tree->viewport(), Qt::RightButton, {}, centreOf(*window, "M2"));
            QCOMPARE(noteName, shown ? picked : QString());
            QCOMPARE(window->session().pickedName(), shown ? picked : QStringLiteral("before"));
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
        QVERIFY(
            openAndWait(*window, m_files.write(QStringLiteral("family.mdb"), kFamily, kMarried)));
        QCOMPARE(window->windowTitle(), QStringLiteral("Kinmora [family]"));
        QCOMPARE(enabled(*window), QStringLiteral("11100111"));
        // ก้อง is first in name order; the view scrolls to him when the loop runs.
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
            QVERIFY(chartAndWait(*window, QStringLiteral("ไม่มีใคร")));
            QCOMPARE(watcher.seen().size(), 1);
            QCOMPARE(watcher.seen().first().text, QStringLiteral("NOT FOUND"));
            QCOMPARE(watcher.seen().first().title, QStringLiteral("Kinmora"));
        }
        QVERIFY(busyDuringMessage && !isBusy(*window));
        QCOMPARE(looks(*window), before);
        trigger(*window, "exit");
        QVERIFY(!window->isVisible());
        QVERIFY(!window->session().isOpen());
    }

    // "refresh" redraws around the node selected and "note" shows the person
    // picked last. While the chart is built every entry is off, no other chart
    // can start, and the entries come back after.
    void refreshRedrawsAroundTheSelectedNodeAndNoteShowsThePersonPickedLast() {
        using Bar = kinmora::CommandToolBar;
        auto window = openFamily();
        QVERIFY(window);
        ChartTreeWidget* tree = window->chartTree();
        click(*window, QStringLiteral("M3"));
        QCOMPARE(enabled(*window), QStringLiteral("11111111"));
        trigger(*window, "refresh");
        QCOMPARE(enabled(*window), QStringLiteral("01000100"));
        QVERIFY(!window->toolBar()->isEntryEnabled(Bar::kMoreEntry));
        QVERIFY(!window->showChart(QStringLiteral("ก้อง")));  // one job at a time
        QVERIFY(settled(*window));
        QCOMPARE(enabled(*window), QStringLiteral("11111111"));
        QVERIFY(window->toolBar()->isEntryEnabled(Bar::kMoreEntry));
        QCOMPARE(window->session().pickedName(), QStringLiteral("มาลี"));
        QCOMPARE(describe(tree).mid(1, 3),
                 (QStringList{"1 M1 มาลี cfemale", "2 M2 สมชาย husband", "3 M3 ก้อง male"}));
        QCOMPARE(tree->currentItem(), nullptr);
        QString noteName;
        ModalWatcher note(noteNameInto(noteName));
        trigger(*window, "note");
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
            trigger(*window, "Search");
            QVERIFY(QTest::qWaitFor([&] { return search.seen().size() == 2; }, 10000));
            QVERIFY(settled(*window));
            QCOMPARE(search.classNames(),
                     (QStringList{"QInputDialog", "kinmora::SearchResultsDialog"}));
        }
        QCOMPARE(hits.size(), 6);
        QVERIFY(busyWhileListed);
        QCOMPARE(describe(window->chartTree()).last(), QStringLiteral("3 M4 สมหญิง cfemale"));
        QVERIFY(!isBusy(*window));
        {
            ModalWatcher none(answer(QStringLiteral("ใจร้าย")));
            trigger(*window, "Search");
            QVERIFY(QTest::qWaitFor([&] { return none.seen().size() == 2; }, 10000));
            QCOMPARE(offered, QStringLiteral("ใจดี"));
            QCOMPARE(none.classNames(), (QStringList{"QInputDialog", "QMessageBox"}));
            QCOMPARE(none.seen().last().text, QStringLiteral("NOT FOUND"));
            QVERIFY(QTest::qWaitFor([&] { return !isBusy(*window); }, 5000));
        }
        {
            ModalWatcher cancel;
            trigger(*window, "Search");
            QCOMPARE(cancel.classNames(), QStringList{"QInputDialog"});
        }
        QVERIFY(window->session().lastSearch().isEmpty());
    }

    // A file that cannot be opened is named in a message with the reason;
    // the file open before, its chart and the window stay as they were. A
    // count the married table does not hold opens with a Thai warning in panel 1.
    void aFileThatCannotBeOpenedChangesNothing() {
        m_files.writeFile(QStringLiteral("family.txt"), "x");
        m_files.writeFile(QStringLiteral("broken.mdb"), "hello, not a database");
        auto window = openFamily();
        QVERIFY(window);
        const QStringList before = looks(*window);
        kinmora::FamilyDatabase* database = &window->session().database();
        const std::pair<const char*, const char*> cases[] = {
            {"absent.mdb", "ไม่พบแฟ้มนี้"},
            {"family.txt", ".accdb"},
            {"broken.mdb", "ไม่ใช่แฟ้มฐานข้อมูล Access"}};
        for (const auto& [file, reason] : cases) {
            ModalWatcher watcher;
            QSignalSpy finished(window.get(), &MainWindow::openFinished);
            bool failed = false;
            QVERIFY(window->openFile(m_files.path(QLatin1String(file)), [&] { failed = true; }));
            QVERIFY(finished.size() == 1 || finished.wait(10000));
            QVERIFY(failed && !finished.first().first().toBool());
            QCOMPARE(watcher.classNames(), QStringList{"QMessageBox"});
            QCOMPARE(watcher.seen().first().text,
                     QStringLiteral("เปิดแฟ้มข้อมูลไม่ได้: ") + QLatin1String(file));
            QVERIFY(watcher.seen().first().informativeText.contains(QString::fromUtf8(reason)));
            QCOMPARE(looks(*window), before);
            QCOMPARE(&window->session().database(), database);
        }
        const QString stale = m_files.write(QStringLiteral("stale.mdb"), kFamily);
        kinmora::testing::setRowCount(stale, 0, 2);
        QVERIFY(openAndWait(*window, stale));
        QCOMPARE(
            window->statusPanels()->panelText(1),
            QStringLiteral("แฟ้มเสียหายบางส่วน แสดงเท่าที่อ่านได้: ตาราง married ควรมี 2 แถว แต่ไม่มีเลย"));
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
            QSignalSpy finished(window.get(), &MainWindow::openFinished);
            QVERIFY(window->openFile(locked));
            QVERIFY(finished.wait(20000) && !finished.first().first().toBool());
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
        QVERIFY(openAndWait(*window, locked));
        QCOMPARE(answering.classNames(), (QStringList{"QInputDialog", "QInputDialog"}));
        QVERIFY(!answering.seen()[0].text.contains(QStringLiteral("ไม่ถูกต้อง")));
        QVERIFY(answering.seen()[1].text.contains(QStringLiteral("รหัสผ่านไม่ถูกต้อง")));
        QCOMPARE(echoes, QStringList(2, QString::number(QLineEdit::Password)));
        // The caption drops the real extension, .accdb as .mdb.
        QCOMPARE(window->windowTitle(), QStringLiteral("Kinmora [ลับ]"));
        // The password is kept for reading the file again, in memory only.
        QCOMPARE(window->session().password(), QStringLiteral("ลับ9"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
