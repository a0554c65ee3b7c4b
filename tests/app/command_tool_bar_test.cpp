// Toolbar1's entries by index, and which clicks reach the dispatch.
#include "app/command_tool_bar.h"

#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

using kinmora::CommandToolBar;

class CommandToolBarTest : public QObject {
    Q_OBJECT

private slots:
    void entries_data();
    void entries();
    void clickRaisesKeyOnlyWhenEnabled();
};

void CommandToolBarTest::entries_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("1") << 1 << "open" << QStringLiteral("เปิด") << "เปิดแฟ้มข้อมูล" << true;
    QTest::newRow("2") << 2 << "" << QStringLiteral("") << "" << true;
    QTest::newRow("3") << 3 << "Search" << QStringLiteral("ค้นหา") << "ค้นข้อความจากชื่อ-สกุล" << false;
    QTest::newRow("4") << 4 << "refresh" << QStringLiteral("ปรับปรุง") << "ปรับปรุงผังจากตัวเลือก"
                       << false;
    QTest::newRow("5") << 5 << "note" << QStringLiteral("ข้อมูล") << "ข้อมูลส่วนบุคคล" << false;
    QTest::newRow("6") << 6 << "" << QStringLiteral("") << "" << true;
    QTest::newRow("7") << 7 << "about" << QStringLiteral("กถา") << "" << true;
    QTest::newRow("8") << 8 << "exit" << QStringLiteral("ออก") << "ออกจากโปรแกรม" << true;
}

void CommandToolBarTest::entries() {
    QFETCH(int, index);
    QFETCH(QString, key);
    QFETCH(QString, caption);
    QFETCH(QString, toolTip);
    QFETCH(bool, enabled);
    CommandToolBar bar;
    QCOMPARE(bar.key(index), key);
    QCOMPARE(bar.isButtonEnabled(index), enabled);
    QToolButton* button = bar.button(index);
    QCOMPARE(button == nullptr, key.isEmpty());
    if (!button) return;
    QCOMPARE(button->text(), caption);
    QCOMPARE(button->toolTip(), toolTip);
    QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    QCOMPARE(button->iconSize(), QSize(32, 32));
    QVERIFY(!button->icon().isNull());
}

void CommandToolBarTest::clickRaisesKeyOnlyWhenEnabled() {
    CommandToolBar bar;
    bar.show();
    QSignalSpy clicks(&bar, &CommandToolBar::buttonClick);
    for (int index = 1; index <= CommandToolBar::kEntries; ++index)
        if (QToolButton* button = bar.button(index)) QTest::mouseClick(button, Qt::LeftButton);
    // At start only open, about and exit answer.
    QCOMPARE(clicks.size(), 3);
    QCOMPARE(clicks.at(0).at(0).toString(), QStringLiteral("open"));
    QCOMPARE(clicks.at(1).at(0).toString(), QStringLiteral("about"));
    QCOMPARE(clicks.at(2).at(0).toString(), QStringLiteral("exit"));

    bar.setButtonEnabled(4, true);
    bar.setButtonEnabled(8, false);
    QTest::mouseClick(bar.button(4), Qt::LeftButton);
    QTest::mouseClick(bar.button(8), Qt::LeftButton);
    QCOMPARE(clicks.size(), 4);
    QCOMPARE(clicks.last().at(0).toString(), QStringLiteral("refresh"));
    QVERIFY(bar.isButtonEnabled(4));
    QVERIFY(!bar.isButtonEnabled(8));
}

QTEST_MAIN(CommandToolBarTest)
#include "command_tool_bar_test.moc"
