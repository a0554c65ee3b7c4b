// The window's controls on their own: which toolbar clicks reach their
// actions, the chart view making a node visible, and the pictures.
#include <QAction>
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

// A bar with the eight entries in their places, each action named by its key.
void fill(CommandToolBar& bar) {
    for (const QString key : {"open", "", "Search", "refresh", "note", "", "about", "exit"}) {
        if (key.isEmpty()) {
            bar.addSeparator();
            continue;
        }
        auto* action = new QAction(key, &bar);
        action->setObjectName(key);
        action->setEnabled(key == "open" || key == "about" || key == "exit");
        bar.addCommand(action);
    }
}

// Clicks every button of `bar` in index order; the keys of the actions triggered.
QStringList clickAll(CommandToolBar& bar) {
    QStringList keys;
    const auto connection = QObject::connect(&bar, &QToolBar::actionTriggered,
                                             [&](QAction* a) { keys.append(a->objectName()); });
    for (int index = 1; index <= CommandToolBar::kEntries; ++index)
        if (QToolButton* button = bar.button(index)) QTest::mouseClick(button, Qt::LeftButton);
    QObject::disconnect(connection);
    return keys;
}

QByteArray bytes(const QImage& image) {
    return QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
}

}  // namespace

class ControlsTest : public QObject {
    Q_OBJECT

private slots:
    // Entries keep their places with the separators counted, "เพิ่มเติม" after
    // them; a click triggers an entry only while it is enabled.
    void toolbarClickTriggersOnlyEnabledEntriesAndMoreOpensItsMenu() {
        CommandToolBar bar;
        fill(bar);
        bar.show();
        QCOMPARE(bar.entry(CommandToolBar::kSearchEntry)->objectName(), QStringLiteral("Search"));
        QVERIFY(bar.entry(2)->isSeparator() && bar.entry(6)->isSeparator());
        QCOMPARE(clickAll(bar), (QStringList{"open", "about", "exit"}));
        for (int index = 1; index <= CommandToolBar::kEntries; ++index)
            bar.entry(index)->setEnabled(index != CommandToolBar::kExitEntry);
        QCOMPARE(clickAll(bar), (QStringList{"open", "Search", "refresh", "note", "about"}));

        QVERIFY(bar.isEntryEnabled(CommandToolBar::kMoreEntry));
        QCOMPARE(bar.button(CommandToolBar::kMoreEntry)->menu(), bar.moreMenu());
        QCOMPARE(bar.button(CommandToolBar::kMoreEntry + 1), nullptr);
        bar.setMoreEnabled(false);
        QVERIFY(!bar.button(CommandToolBar::kMoreEntry)->isEnabled());
    }

    // The Menu key and Shift+F10 do what the right button does; other keys
    // still move through the tree.
    void menuKeyAndShiftF10ActAsTheRightButton() {
        ChartTreeWidget tree;
        tree.show();
        QSignalSpy downs(&tree, &ChartTreeWidget::mouseDown);
        QTest::keyClick(&tree, Qt::Key_Menu);
        QTest::keyClick(&tree, Qt::Key_F10, Qt::ShiftModifier);
        QTest::keyClick(&tree, Qt::Key_F10);
        QTest::keyClick(&tree, Qt::Key_Down);
        QCOMPARE(downs.size(), 2);
        for (const QList<QVariant>& down : downs)
            QCOMPARE(down.at(0).value<Qt::MouseButton>(), Qt::RightButton);
    }

    void makeVisibleOpensAncestorsAndScrollsOnce() {
        ChartTreeWidget tree;
        tree.resize(200, 120);
        tree.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tree));
        tree.addNode({"Root", "upper", {}, kinmora::ChartNode::Role::RootUpper});
        for (int i = 1; i <= 200; ++i)
            tree.addNode({QStringLiteral("M%1").arg(i), QStringLiteral("คน %1").arg(i),
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
        const QSize size = ChartTreeWidget().iconSize();
        QSet<QByteArray> nodes;
        for (const QString& key : NodeIcons::keys()) {
            nodes.insert(bytes(NodeIcons::image(key)));
            const QIcon icon = NodeIcons::icon(key);
            QCOMPARE(icon.pixmap(size, QIcon::Selected).toImage(),
                     icon.pixmap(size, QIcon::Normal).toImage());
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
