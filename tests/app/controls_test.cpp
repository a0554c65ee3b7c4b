// The window's controls on their own: which toolbar clicks reach the dispatch,
// the chart view making a node visible, and the pictures.
#include <QSet>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

#include "app/chart_tree_widget.h"
#include "app/command_tool_bar.h"
#include "app/node_icons.h"
#include "app/tool_bar_icons.h"

using kinmora::ChartTreeWidget;
using kinmora::CommandToolBar;
using kinmora::NodeIcons;
using kinmora::ToolBarIcons;

namespace {

// Clicks every button of `bar` in index order; the keys raised.
QStringList clickAll(CommandToolBar& bar) {
    QSignalSpy clicks(&bar, &CommandToolBar::buttonClick);
    for (int index = 1; index <= CommandToolBar::kEntries; ++index)
        if (QToolButton* button = bar.button(index)) QTest::mouseClick(button, Qt::LeftButton);
    QStringList keys;
    for (const QList<QVariant>& click : clicks) keys.append(click.at(0).toString());
    return keys;
}

QByteArray bytes(const QImage& image) {
    return QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
}

}  // namespace

class ControlsTest : public QObject {
    Q_OBJECT

private slots:
    void toolbarClickRaisesKeyOnlyWhenEnabledAndMoreOpensItsMenu() {
        CommandToolBar bar;
        bar.show();
        QCOMPARE(clickAll(bar), (QStringList{"open", "about", "exit"}));
        for (int index = 1; index <= CommandToolBar::kEntries; ++index)
            bar.setButtonEnabled(index, index != CommandToolBar::kExitEntry);
        QCOMPARE(clickAll(bar), (QStringList{"open", "Search", "refresh", "note", "about"}));
        // The state set on the entry counts, whether or not the bar itself is enabled.
        bar.setEnabled(false);
        QVERIFY(bar.isButtonEnabled(CommandToolBar::kRefreshEntry));

        QVERIFY(bar.isButtonEnabled(CommandToolBar::kMoreEntry));
        QCOMPARE(bar.button(CommandToolBar::kMoreEntry)->menu(), bar.moreMenu());
        QCOMPARE(bar.button(CommandToolBar::kMoreEntry + 1), nullptr);
    }

    void makeVisibleOpensAncestorsAndScrollsOnce() {
        ChartTreeWidget tree;
        tree.resize(200, 120);
        tree.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tree));
        tree.addNode({"Root", "upper", "upper", {}});
        for (int i = 1; i <= 200; ++i)
            tree.addNode({QStringLiteral("M%1").arg(i), QStringLiteral("คน %1").arg(i), "male",
                          i == 1 ? QStringLiteral("Root") : QStringLiteral("M%1").arg(i - 1)});
        tree.makeVisible(QStringLiteral("M100"));
        tree.makeVisible(QStringLiteral("M5"));
        tree.makeVisible(QStringLiteral("unknown"));
        for (int i = 1; i < 100; ++i)
            QVERIFY(tree.node(QStringLiteral("M%1").arg(i))->isExpanded());
        QVERIFY(tree.node(QStringLiteral("Root"))->isExpanded());
        QVERIFY(!tree.node(QStringLiteral("M100"))->isExpanded());

        // The view scrolls when the event loop runs, to the last node made visible.
        QCoreApplication::processEvents();
        const QRect shown = tree.viewport()->rect();
        QVERIFY(shown.contains(tree.visualItemRect(tree.node(QStringLiteral("M5"))).center()));
        QVERIFY(!shown.intersects(tree.visualItemRect(tree.node(QStringLiteral("M100")))));
    }

    // Each node key has its own picture, unknown keys and indexes none, and a
    // picked node keeps its picture: no tint of the selection colour.
    void picturesAreDistinctAndUntinted() {
        QSet<QByteArray> nodes;
        for (const QString& key : NodeIcons::keys()) {
            nodes.insert(bytes(NodeIcons::image(key)));
            const QIcon icon = NodeIcons::icon(key);
            QCOMPARE(icon.pixmap(QSize(14, 12), QIcon::Selected).toImage(),
                     icon.pixmap(QSize(14, 12), QIcon::Normal).toImage());
        }
        QCOMPARE(nodes.size(), NodeIcons::keys().size());
        QVERIFY(NodeIcons::image(QStringLiteral("Male")).isNull());
        QVERIFY(NodeIcons::icon(QString()).isNull());
        QVERIFY(ToolBarIcons::image(0).isNull());
        QVERIFY(ToolBarIcons::icon(ToolBarIcons::kCount + 1).isNull());
    }
};

QTEST_MAIN(ControlsTest)
#include "controls_test.moc"
