// TreeView1: refusing bad nodes, and making a node visible in a long chart.
#include "app/chart_tree_widget.h"

#include <QtTest>
#include <stdexcept>

using kinmora::ChartNode;
using kinmora::ChartTreeWidget;

class ChartTreeWidgetTest : public QObject {
    Q_OBJECT

private slots:
    void badNodesAreRefused_data();
    void badNodesAreRefused();
    void makeVisibleOpensAncestorsAndScrollsOnce();
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

void ChartTreeWidgetTest::badNodesAreRefused_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("parentKey");
    QTest::newRow("unknown parent") << "M9" << QStringLiteral("M8");
    QTest::newRow("key taken") << "M2" << QStringLiteral("Root");
    QTest::newRow("second root") << "Root" << QStringLiteral("");
}

void ChartTreeWidgetTest::badNodesAreRefused() {
    QFETCH(QString, key);
    QFETCH(QString, parentKey);
    ChartTreeWidget tree;
    addFamily(tree);
    QVERIFY_THROWS_EXCEPTION(std::logic_error,
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

QTEST_MAIN(ChartTreeWidgetTest)
#include "chart_tree_widget_test.moc"
