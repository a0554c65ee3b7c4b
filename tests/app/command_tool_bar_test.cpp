// Toolbar1: the key behind each entry index, and which clicks reach the dispatch.
#include "app/command_tool_bar.h"

#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

using kinmora::CommandToolBar;

class CommandToolBarTest : public QObject {
    Q_OBJECT

    // Clicks every button of `bar` in index order; the keys raised.
    static QStringList clickAll(CommandToolBar& bar) {
        QSignalSpy clicks(&bar, &CommandToolBar::buttonClick);
        for (int index = 1; index <= CommandToolBar::kEntries; ++index)
            if (QToolButton* button = bar.button(index)) QTest::mouseClick(button, Qt::LeftButton);
        QStringList keys;
        for (const QList<QVariant>& click : clicks) keys.append(click.at(0).toString());
        return keys;
    }

private slots:
    void entriesByIndex() {
        CommandToolBar bar;
        QStringList keys;
        for (int index = 0; index <= CommandToolBar::kMoreEntry + 1; ++index)
            keys.append(bar.key(index));
        QCOMPARE(keys, (QStringList{"", "open", "", "Search", "refresh", "note", "", "about",
                                    "exit", "more", ""}));
        for (int index : {0, 2, 6, 10}) QCOMPARE(bar.button(index), nullptr);
        QVERIFY(!bar.isButtonEnabled(0));
        QVERIFY(!bar.isButtonEnabled(10));
        // The drop-down opens a menu rather than raising a key.
        QVERIFY(bar.isButtonEnabled(CommandToolBar::kMoreEntry));
        QCOMPARE(bar.button(CommandToolBar::kMoreEntry)->menu(), bar.moreMenu());
    }

    void clickRaisesKeyOnlyWhenEnabled() {
        CommandToolBar bar;
        bar.show();
        QCOMPARE(clickAll(bar), (QStringList{"open", "about", "exit"}));

        for (int index = 1; index <= CommandToolBar::kEntries; ++index)
            bar.setButtonEnabled(index, index != 8);
        QCOMPARE(clickAll(bar), (QStringList{"open", "Search", "refresh", "note", "about"}));
        QVERIFY(bar.isButtonEnabled(4));
        QVERIFY(!bar.isButtonEnabled(8));
        // The state set on the entry counts, whether or not the bar itself is enabled.
        bar.setEnabled(false);
        QVERIFY(bar.isButtonEnabled(4));
    }
};

QTEST_MAIN(CommandToolBarTest)
#include "command_tool_bar_test.moc"
