// The name search dialog: cutting a hit line back to the name, the list's
// order, and what OK, Cancel, the close box, Enter and Esc do.
#include "windows/frm_search.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <clocale>
#include <stdexcept>

#include "fake_main_window.h"
#include "support/modal_watcher.h"

using kinmora::frm_search;
using kinmora::testing::FakeMainWindow;
using kinmora::testing::ModalWatcher;

namespace {
const QString kGap(10, QLatin1Char(' '));
}

class FrmSearchTest : public QObject {
    Q_OBJECT

private slots:
    void onlyname_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("name");
        QTest::newRow("name and surname") << "สมชาย" + kGap + "ใจดี"
                                          << "สมชาย";
        QTest::newRow("leading spaces, empty surname") << "  สมชาย" + kGap << "สมชาย";
        QTest::newRow("null name") << kGap + "ใจดี" << QString();
        QTest::newRow("no gap") << " สมชาย ใจดี "
                                << "สมชาย ใจดี";
        QTest::newRow("nine spaces are no gap") << "ab" + QString(9, ' ') + "cd"
                                                << "ab" + QString(9, ' ') + "cd";
        QTest::newRow("first gap cuts") << "a" + kGap + "b" + kGap + "c"
                                        << "a";
        QTest::newRow("tab is not trimmed") << "\tสมชาย" + kGap + "x"
                                            << "\tสมชาย";
    }
    void onlyname() {
        QFETCH(QString, line);
        QFETCH(QString, name);
        QCOMPARE(frm_search::onlyname(line), name);
    }

    void keepsLinesInThaiOrderWithoutRegardToCase() {
        FakeMainWindow main;
        frm_search dialog(main);
        for (const char* line : {"ขวัญ", "zed", "เกด", "Beta", "กมล", "alpha", "คำ", "Alpha"})
            dialog.addItem(QString::fromUtf8(line));
        // The leading vowel does not decide; lines equal but for case keep their arrival order.
        QStringList latin, thai;
        for (const QString& line : dialog.lines())
            (line.at(0).unicode() < 0x80 ? latin : thai).append(line);
        QCOMPARE(latin, (QStringList{"alpha", "Alpha", "Beta", "zed"}));
        QCOMPARE(thai, (QStringList{"กมล", "เกด", "ขวัญ", "คำ"}));
        dialog.clear();
        QVERIFY(dialog.lines().isEmpty());
    }

    void showModalSelectsTheFirstLine() {
        FakeMainWindow main;
        int selected = -2;
        QStringList shown;
        ModalWatcher watcher([&](QWidget* window) {
            auto* dialog = qobject_cast<frm_search*>(window);
            QVERIFY(dialog);
            selected = dialog->currentRow();
            shown = dialog->lines();
            dialog->cancel();
        });
        frm_search::showModal(main, {"ขวัญ" + kGap + "ใจดี", "กมล" + kGap + "ศรีสุข"});
        QCOMPARE(selected, 0);
        QCOMPARE(shown.first(), "กมล" + kGap + "ศรีสุข");
    }

    void okDrawsTheChartOfTheSelectedName() {
        FakeMainWindow main;
        frm_search dialog(main);
        dialog.addItem("ขวัญ" + kGap + "ใจดี");
        dialog.addItem("กมล" + kGap + "ศรีสุข");
        dialog.setCurrentRow(1);
        dialog.show();
        Qt::CursorShape duringCalac = Qt::ArrowCursor;
        bool visibleDuringCalac = false;
        main.duringCalac = [&] {
            duringCalac = dialog.cursor().shape();
            visibleDuringCalac = dialog.isVisible();
        };
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        QCOMPARE(main.calacNames, QStringList{"ขวัญ"});
        QCOMPARE(duringCalac, Qt::WaitCursor);
        QVERIFY(visibleDuringCalac);  // the chart is rebuilt before the dialog closes
        QCOMPARE(dialog.cursor().shape(), Qt::ArrowCursor);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(main.busyCursor.empty());  // calac resets the main window's cursor itself
    }

    void failingChartIsReportedNotThrown() {
        FakeMainWindow main;
        // Thai in the error reaches the message whatever the locale's encoding.
        ::setlocale(LC_ALL, "C");
        main.duringCalac = [] { throw std::runtime_error("แฟ้มหายไป"); };
        frm_search dialog(main);
        dialog.addItem("กมล" + kGap);
        dialog.setCurrentRow(0);
        dialog.show();
        ModalWatcher watcher;
        dialog.confirm();
        QCOMPARE(watcher.seen().size(), 1);
        QVERIFY(watcher.seen().first().text.contains(QStringLiteral("แฟ้มหายไป")));
        QCOMPARE(main.busyCursor, std::vector<bool>{false});
        QVERIFY(!dialog.isVisible());
    }

    // Every way of leaving without OK ends the main window's busy cursor;
    // Enter, Esc and a double click do nothing at all.
    void leavingWithoutOk_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Cancel") << "cancel" << true;
        QTest::newRow("close box") << "close" << true;
        QTest::newRow("Enter, Esc, double click") << "keys" << false;
    }
    void leavingWithoutOk() {
        QFETCH(QString, how);
        QFETCH(bool, closes);
        FakeMainWindow main;
        frm_search dialog(main);
        dialog.addItem("กมล" + kGap);
        dialog.setCurrentRow(0);
        dialog.show();
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("List1"));
        if (how == QLatin1String("cancel")) {
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("Command2")),
                              Qt::LeftButton);
        } else if (how == QLatin1String("close")) {
            QVERIFY(dialog.close());
        } else {
            QTest::keyClick(list, Qt::Key_Return);
            QTest::keyClick(list, Qt::Key_Enter, Qt::KeypadModifier);
            QTest::keyClick(list, Qt::Key_Escape);
            QTest::keyClick(&dialog, Qt::Key_Escape);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                               list->visualItemRect(list->item(0)).center());
        }
        QCOMPARE(dialog.isVisible(), !closes);
        QVERIFY(main.calacNames.isEmpty());
        QCOMPARE(main.busyCursor, closes ? std::vector<bool>{false} : std::vector<bool>{});
    }
};

QTEST_MAIN(FrmSearchTest)
#include "frm_search_test.moc"
