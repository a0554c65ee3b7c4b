// TreeView1: keyed nodes, making a node visible, and presses over the tree.
#include "app/chart_tree_widget.h"

#include <QSignalSpy>
#include <QtTest>
#include <stdexcept>

using kinmora::ChartNode;
using kinmora::ChartTreeWidget;

class ChartTreeWidgetTest : public QObject {
    Q_OBJECT

private slots:
    void nodesKeepOrderAndStartCollapsed();
    void badNodesAreRefused_data();
    void badNodesAreRefused();
    void makeVisibleOpensAncestorsAndScrollsOnce();
    void clearForgetsKeysAndSelection();
    void rightPressKeepsSelection();
};

namespace {

void addFamily(ChartTreeWidget& tree) {
    tree.addNode({"Root", "upper", "upper", {}});
    tree.addNode({"M1", "พ่อ", "male", "Root"});
    tree.addNode({"M2", "แม่", "wife", "M1"});
    tree.addNode({"M3", "ลูก", "cfemale", "M2"});
    tree.addNode({"M4", "อา", "female", "Root"});
}

}  // namespace

void ChartTreeWidgetTest::nodesKeepOrderAndStartCollapsed() {
    ChartTreeWidget tree;
    addFamily(tree);
    QCOMPARE(tree.topLevelItemCount(), 1);
    QTreeWidgetItem* root = tree.node(QStringLiteral("Root"));
    QCOMPARE(root->childCount(), 2);
    QCOMPARE(root->child(0), tree.node(QStringLiteral("M1")));
    QCOMPARE(root->child(1), tree.node(QStringLiteral("M4")));
    QCOMPARE(tree.node(QStringLiteral("M3"))->parent(), tree.node(QStringLiteral("M2")));
    QCOMPARE(tree.node(QStringLiteral("M3"))->text(0), QStringLiteral("ลูก"));
    QCOMPARE(tree.node(QStringLiteral("M3"))->data(0, ChartTreeWidget::kImageRole).toString(),
             QStringLiteral("cfemale"));
    QVERIFY(!tree.node(QStringLiteral("M3"))->icon(0).isNull());
    for (const char* key : {"Root", "M1", "M2"})
        QVERIFY2(!tree.node(QLatin1String(key))->isExpanded(), key);
}

void ChartTreeWidgetTest::badNodesAreRefused_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("parentKey");
    QTest::newRow("unknown parent") << "M9"
                                    << "M8";
    QTest::newRow("key taken") << "M2"
                               << "Root";
    QTest::newRow("second root") << "Root"
                                 << "";
}

void ChartTreeWidgetTest::badNodesAreRefused() {
    QFETCH(QString, key);
    QFETCH(QString, parentKey);
    ChartTreeWidget tree;
    addFamily(tree);
    QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                             tree.addNode(ChartNode{key, "x", "male", parentKey}));
    QCOMPARE(tree.topLevelItemCount(), 1);
    QCOMPARE(tree.node(QStringLiteral("M2"))->text(0), QStringLiteral("แม่"));
}

void ChartTreeWidgetTest::makeVisibleOpensAncestorsAndScrollsOnce() {
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
    for (int i = 1; i < 100; ++i) QVERIFY(tree.node(QStringLiteral("M%1").arg(i))->isExpanded());
    QVERIFY(tree.node(QStringLiteral("Root"))->isExpanded());
    QVERIFY(!tree.node(QStringLiteral("M100"))->isExpanded());

    // The view scrolls when the event loop runs, to the last node made visible.
    QCoreApplication::processEvents();
    const QRect shown = tree.viewport()->rect();
    QVERIFY(shown.contains(tree.visualItemRect(tree.node(QStringLiteral("M5"))).center()));
    QVERIFY(!shown.intersects(tree.visualItemRect(tree.node(QStringLiteral("M100")))));
}

void ChartTreeWidgetTest::clearForgetsKeysAndSelection() {
    ChartTreeWidget tree;
    addFamily(tree);
    tree.setCurrentItem(tree.node(QStringLiteral("M1")));
    tree.clearNodes();
    QCOMPARE(tree.topLevelItemCount(), 0);
    QCOMPARE(tree.node(QStringLiteral("M1")), nullptr);
    QCOMPARE(tree.currentItem(), nullptr);
    // The same keys are free again for the next chart.
    addFamily(tree);
    QCOMPARE(tree.node(QStringLiteral("M4"))->text(0), QStringLiteral("อา"));
}

void ChartTreeWidgetTest::rightPressKeepsSelection() {
    ChartTreeWidget tree;
    tree.resize(200, 200);
    tree.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tree));
    addFamily(tree);
    tree.expandAll();
    tree.setCurrentItem(tree.node(QStringLiteral("M1")));
    QSignalSpy presses(&tree, &ChartTreeWidget::mouseDown);
    const QPoint onChild = tree.visualItemRect(tree.node(QStringLiteral("M3"))).center();

    QTest::mousePress(tree.viewport(), Qt::RightButton, {}, onChild);
    QCOMPARE(tree.currentItem(), tree.node(QStringLiteral("M1")));
    QTest::mousePress(tree.viewport(), Qt::LeftButton, {}, onChild);
    QCOMPARE(tree.currentItem(), tree.node(QStringLiteral("M3")));

    QCOMPARE(presses.size(), 2);
    QCOMPARE(presses.at(0).at(0).value<Qt::MouseButton>(), Qt::RightButton);
    QCOMPARE(presses.at(1).at(0).value<Qt::MouseButton>(), Qt::LeftButton);
}

QTEST_MAIN(ChartTreeWidgetTest)
#include "chart_tree_widget_test.moc"
