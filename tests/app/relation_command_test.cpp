// The "เป็นอะไรกัน" command in the main window: when it is offered, the
// sentence it answers for the selected person, another person chosen from
// the list, and a family opened afterwards.
#include "app/relation_command.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QtTest>

#include "app/chart_tree_widget.h"
#include "app/command_tool_bar.h"
#include "app/frm_main.h"
#include "app/modal_watcher.h"
#include "app/module1.h"
#include "data/family_database.h"
#include "support/family_files.h"
#include "windows/frm_relation.h"

using kinmora::ChartTreeWidget;
using kinmora::FamilyDatabase;
using kinmora::frm_main;
using kinmora::frm_relation;
using kinmora::Module1;
using kinmora::RelationCommand;
using kinmora::testing::ModalWatcher;

namespace {

// A grandfather, his two sons (the elder with a wife and a daughter) and a
// man married to nobody of the family.
const char* const kFamily =
    "1,ทองดี,ใจดี,1,1900-01-01,,0,,0,0\n"
    "2,สมชาย,ใจดี,1,1930-03-01,,0,,1,0\n"
    "3,สมศักดิ์,ใจดี,1,1935-03-01,,0,,1,0\n"
    "4,มาลี,ศรีสุข,0,1932-01-01,,0,,0,0\n"
    "5,แก้ว,ใจดี,0,1960-01-01,,0,,2,4\n"
    "6,ทองดี,คนอื่น,1,1940-01-01,,0,,0,0\n";
const char* const kMarried = "2,4,1\n";

// The node of the chart showing `text` first.
QTreeWidgetItem* nodeNamed(const frm_main& window, const QString& text) {
    const auto found = window.TreeView1()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

RelationCommand* commandOf(frm_main& window) {
    return window.findChild<RelationCommand*>();
}

}  // namespace

class RelationCommandTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_window = std::make_unique<frm_main>();
        Module1::instance().setDatabase(
            FamilyDatabase::open(m_files.write("family.mdb", kFamily, kMarried)));
    }
    void cleanup() {
        m_window.reset();
        Module1::instance().close();
    }

    void offeredOnlyWhileAChartIsShown() {
        QMenu* menu = m_window->Toolbar1()->moreMenu();
        QAction* action = commandOf(*m_window)->action();
        QVERIFY(menu->actions().contains(action));
        QCOMPARE(action->text(), QStringLiteral("เป็นอะไรกัน"));
        emit menu->aboutToShow();
        QVERIFY(!action->isEnabled());
        m_window->calac(QStringLiteral("สมชาย"));
        emit menu->aboutToShow();
        QVERIFY(action->isEnabled());
    }

    void answersForTheSelectedPersonAndAnyOtherChosen() {
        m_window->calac(QStringLiteral("สมชาย"));
        QCOMPARE(commandOf(*m_window)->centreName(), QStringLiteral("สมชาย"));
        m_window->TreeView1()->setCurrentItem(nodeNamed(*m_window, QStringLiteral("แก้ว")));
        QStringList answers;
        int listed = 0;
        ModalWatcher watcher([&](QWidget* window) {
            auto* dialog = qobject_cast<frm_relation*>(window);
            QVERIFY(dialog);
            answers << dialog->answer();
            listed = dialog->shownCount();
            dialog->setFilter(QStringLiteral("ทองดี"));
            QCOMPARE(dialog->shownCount(), 2);  // namesakes both listed
            // The namesake whom a name alone cannot reach, and who is nobody's kin.
            auto* list = dialog->findChild<QListWidget*>(QStringLiteral("List1"));
            const auto other =
                list->findItems(QStringLiteral("ทองดี          คนอื่น"), Qt::MatchExactly);
            QCOMPARE(other.size(), 1);
            list->setCurrentItem(other.first());
            answers << dialog->answer();
            dialog->accept();
        });
        commandOf(*m_window)->action()->trigger();
        QCOMPARE(watcher.classNames(), QStringList{QStringLiteral("kinmora::frm_relation")});
        QCOMPARE(listed, 6);
        QCOMPARE(answers.value(0), QStringLiteral("แก้ว เป็น ลูกสาว ของ สมชาย"));
        QCOMPARE(answers.value(1), QStringLiteral("แก้ว เป็น ไม่เป็นญาติ ของ ทองดี"));
    }

    void saysSoWhenNoPersonIsSelected() {
        m_window->calac(QStringLiteral("สมชาย"));
        m_window->TreeView1()->setCurrentItem(m_window->TreeView1()->node(QStringLiteral("Root")));
        ModalWatcher watcher;
        commandOf(*m_window)->action()->trigger();
        QCOMPARE(watcher.seen().size(), 1);
        QCOMPARE(watcher.seen().first().text, QStringLiteral("โปรดเลือกบุคคลในผังก่อน"));
    }

    void readsAFamilyOpenedLaterAfresh() {
        m_window->calac(QStringLiteral("สมชาย"));
        m_window->TreeView1()->setCurrentItem(nodeNamed(*m_window, QStringLiteral("สมศักดิ์")));
        QString answer;
        const auto read = [&](QWidget* window) {
            answer = qobject_cast<frm_relation*>(window)->answer();
            ModalWatcher::reject(window);
        };
        {
            ModalWatcher watcher(read);
            commandOf(*m_window)->action()->trigger();
        }
        QCOMPARE(answer, QStringLiteral("สมศักดิ์ เป็น น้องชาย ต่างแม่ ของ สมชาย"));
        // The same names, but now สมศักดิ์ is the elder.
        Module1::instance().setDatabase(FamilyDatabase::open(
            m_files.write("other.mdb",
                          "1,ทองดี,,1,1900-01-01,,0,,0,0\n2,สมชาย,,1,1930-03-01,,0,,1,0\n"
                          "3,สมศักดิ์,,1,1920-03-01,,0,,1,0\n")));
        m_window->calac(QStringLiteral("สมชาย"));
        m_window->TreeView1()->setCurrentItem(nodeNamed(*m_window, QStringLiteral("สมศักดิ์")));
        {
            ModalWatcher watcher(read);
            commandOf(*m_window)->action()->trigger();
        }
        QCOMPARE(answer, QStringLiteral("สมศักดิ์ เป็น พี่ชาย ต่างแม่ ของ สมชาย"));
    }

private:
    kinmora::testing::FamilyFiles m_files;
    std::unique_ptr<frm_main> m_window;
};

QTEST_MAIN(RelationCommandTest)
#include "relation_command_test.moc"
