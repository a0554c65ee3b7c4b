// The name search dialog: cutting a hit line back to the name, the list's
// order, and what OK, Cancel, the close box, Enter and Esc do.
#include "windows/frm_search.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <stdexcept>

#include "fake_main_window.h"
#include "message_catcher.h"

using kinmora::frm_search;
using kinmora::testing::FakeMainWindow;

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
        QTest::newRow("empty surname") << "สมชาย" + kGap << "สมชาย";
        QTest::newRow("spaces around the name") << "  สมชาย " + kGap + "ใจดี"
                                                << "สมชาย";
        QTest::newRow("leading spaces, empty surname") << "  สมชาย" + kGap << "สมชาย";
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("only spaces") << "   " << QString();
        QTest::newRow("null name") << kGap + "ใจดี" << QString();
        QTest::newRow("no gap") << " สมชาย ใจดี "
                                << "สมชาย ใจดี";
        QTest::newRow("nine spaces are no gap") << "ab" + QString(9, ' ') + "cd"
                                                << "ab" + QString(9, ' ') + "cd";
        QTest::newRow("first gap cuts") << "a" + kGap + "b" + kGap + "c"
                                        << "a";
        QTest::newRow("longer gap") << "a" + kGap + "    b"
                                    << "a";
        QTest::newRow("tab is not trimmed") << "\tสมชาย" + kGap + "x"
                                            << "\tสมชาย";
        const QString longName(300, QChar(0x0E01));
        QTest::newRow("long name") << longName + kGap + "ใจดี" << longName;
        QTest::newRow("long name, empty surname") << longName + kGap << longName;
    }
    void onlyname() {
        QFETCH(QString, line);
        QFETCH(QString, name);
        QCOMPARE(frm_search::onlyname(line), name);
    }

    void windowAsDesigned() {
        FakeMainWindow main;
        frm_search dialog(main);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("ชื่อ - สกุล"));
        QVERIFY(dialog.windowFlags() & Qt::Tool);
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("Command1"));
        auto* cancel = dialog.findChild<QPushButton*>(QStringLiteral("Command2"));
        QVERIFY(ok && cancel);
        QCOMPARE(ok->text(), QStringLiteral("ตกลง"));
        QCOMPARE(cancel->text(), QStringLiteral("ยกเลิก"));
        QVERIFY(!ok->isDefault() && !ok->autoDefault());
        QVERIFY(!cancel->isDefault() && !cancel->autoDefault());
    }

    void keepsLinesInThaiOrderWithoutRegardToCase() {
        FakeMainWindow main;
        frm_search dialog(main);
        for (const char* line : {"ขวัญ", "zed", "เกด", "Beta", "กมล", "alpha", "คำ", "Alpha"})
            dialog.addItem(QString::fromUtf8(line));
        const QStringList lines = dialog.lines();
        QCOMPARE(lines.size(), 8);
        auto before = [&](const char* a, const char* b) {
            return lines.indexOf(QString::fromUtf8(a)) < lines.indexOf(QString::fromUtf8(b));
        };
        QVERIFY(before("alpha", "Beta"));
        QVERIFY(before("Alpha", "Beta"));
        QVERIFY(before("Beta", "zed"));
        QVERIFY(before("กมล", "เกด"));  // the leading vowel does not decide
        QVERIFY(before("เกด", "ขวัญ"));
        QVERIFY(before("ขวัญ", "คำ"));
        QVERIFY(before("alpha", "Alpha"));  // equal without case: arrival order
        dialog.clear();
        QVERIFY(dialog.lines().isEmpty());
    }

    void showModalSelectsTheFirstLine() {
        FakeMainWindow main;
        int selected = -2;
        QStringList shown;
        kinmora::testing::later([&] {
            auto* dialog = qobject_cast<frm_search*>(QApplication::activeModalWidget());
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
        main.duringCalac = [] { throw std::runtime_error("the file went away"); };
        frm_search dialog(main);
        dialog.addItem("กมล" + kGap);
        dialog.setCurrentRow(0);
        dialog.show();
        kinmora::testing::MessageCatcher catcher;
        dialog.confirm();
        QCOMPARE(catcher.messages.size(), 1);
        QVERIFY(catcher.messages[0].text.contains(QStringLiteral("the file went away")));
        QCOMPARE(main.busyCursor, std::vector<bool>{false});
        QVERIFY(!dialog.isVisible());
    }

    void cancelRestoresTheCursorOnly() {
        FakeMainWindow main;
        frm_search dialog(main);
        dialog.addItem("กมล" + kGap);
        dialog.setCurrentRow(0);
        dialog.show();
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("Command2")),
                          Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QVERIFY(main.calacNames.isEmpty());
        QCOMPARE(main.busyCursor, std::vector<bool>{false});
    }

    void closeBoxRestoresTheCursor() {
        FakeMainWindow main;
        frm_search dialog(main);
        dialog.addItem("กมล" + kGap);
        dialog.setCurrentRow(0);
        dialog.show();
        QVERIFY(dialog.close());
        QVERIFY(!dialog.isVisible());
        QVERIFY(main.calacNames.isEmpty());
        QCOMPARE(main.busyCursor, std::vector<bool>{false});
    }

    void enterEscAndDoubleClickDoNothing() {
        FakeMainWindow main;
        frm_search dialog(main);
        dialog.addItem("กมล" + kGap);
        dialog.setCurrentRow(0);
        dialog.show();
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("List1"));
        QTest::keyClick(list, Qt::Key_Return);
        QTest::keyClick(list, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(list, Qt::Key_Escape);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        const QRect item = list->visualItemRect(list->item(0));
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, item.center());
        QVERIFY(dialog.isVisible());
        QVERIFY(main.calacNames.isEmpty());
        QVERIFY(main.busyCursor.empty());
    }
};

QTEST_MAIN(FrmSearchTest)
#include "frm_search_test.moc"
