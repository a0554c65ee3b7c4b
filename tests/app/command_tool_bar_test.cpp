// Toolbar1: which clicks reach the dispatch, and the drop-down after the eight entries.
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
    void theMoreEntryOpensItsMenu() {
        CommandToolBar bar;
        QVERIFY(bar.isButtonEnabled(CommandToolBar::kMoreEntry));
        QCOMPARE(bar.button(CommandToolBar::kMoreEntry)->menu(), bar.moreMenu());
        QCOMPARE(bar.button(CommandToolBar::kMoreEntry + 1), nullptr);
    }

    void clickRaisesKeyOnlyWhenEnabled() {
        CommandToolBar bar;
        bar.show();
        QCOMPARE(clickAll(bar), (QStringList{"open", "about", "exit"}));

        for (int index = 1; index <= CommandToolBar::kEntries; ++index)
            bar.setButtonEnabled(index, index != CommandToolBar::kExitEntry);
        QCOMPARE(clickAll(bar), (QStringList{"open", "Search", "refresh", "note", "about"}));
        // The state set on the entry counts, whether or not the bar itself is enabled.
        bar.setEnabled(false);
        QVERIFY(bar.isButtonEnabled(CommandToolBar::kRefreshEntry));
    }
};

QTEST_MAIN(CommandToolBarTest)
#include "command_tool_bar_test.moc"
