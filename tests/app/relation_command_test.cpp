// The "เป็นอะไรกัน" command in the main window: when it is offered, the
// sentence it answers for the selected person and for anyone chosen from the
// list, and a family opened afterwards.
#include "app/relation_command.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QtTest>

#include "app/chart_tree_widget.h"
#include "app/command_tool_bar.h"
#include "app/frm_main.h"
#include "app/module1.h"
#include "support/family_files.h"
#include "support/modal_watcher.h"
#include "windows/frm_relation.h"

using kinmora::FamilyDatabase;
using kinmora::frm_relation;
using kinmora::Module1;
using kinmora::testing::ModalWatcher;

namespace {

// A grandfather and his two sons, the elder with a wife and a daughter; a
// namesake of the grandfather, kin to nobody.
const char* const kFamily =
    "1,ทองดี,ใจดี,1,1900-01-01,,0,,0,0\n2,สมชาย,ใจดี,1,1930-03-01,,0,,1,0\n"
    "3,สมศักดิ์,ใจดี,1,1935-03-01,,0,,1,0\n4,มาลี,ศรีสุข,0,1932-01-01,,0,,0,0\n"
    "5,แก้ว,ใจดี,0,1960-01-01,,0,,2,4\n6,ทองดี,คนอื่น,1,1940-01-01,,0,,0,0\n";

}  // namespace

class RelationCommandTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_window = std::make_unique<kinmora::frm_main>();
        open(kFamily);
        m_command = m_window->findChild<kinmora::RelationCommand*>();
    }
    void cleanup() {
        m_window.reset();
        Module1::instance().close();
    }

    void offeredOnlyWhileAChartIsShown() {
        QMenu* menu = m_window->Toolbar1()->moreMenu();
        QVERIFY(menu->actions().contains(m_command->action()));
        emit menu->aboutToShow();
        QVERIFY(!m_command->action()->isEnabled());
        m_window->calac(QStringLiteral("สมชาย"));
        emit menu->aboutToShow();
        QVERIFY(m_command->action()->isEnabled());
    }

    void answersForTheSelectedPersonAndAnyoneChosen() {
        m_window->calac(QStringLiteral("สมชาย"));
        QCOMPARE(m_command->centreName(), QStringLiteral("สมชาย"));
        QStringList answers;
        const QStringList seen = ask(QStringLiteral("แก้ว"), [&](frm_relation* dialog) {
            answers << dialog->answer() << QString::number(dialog->shownCount());
            dialog->setFilter(QStringLiteral("ทองดี"));
            answers << QString::number(dialog->shownCount());
            // The namesake whom a name alone cannot reach.
            auto* list = dialog->findChild<QListWidget*>(QStringLiteral("List1"));
            list->setCurrentItem(
                list->findItems(QStringLiteral("ทองดี          คนอื่น"), Qt::MatchExactly).value(0));
            answers << dialog->answer();
        });
        QCOMPARE(seen, QStringList{QStringLiteral("kinmora::frm_relation")});
        QCOMPARE(answers, (QStringList{QStringLiteral("แก้ว เป็น ลูกสาว ของ สมชาย"), "6", "2",
                                       QStringLiteral("แก้ว เป็น ไม่เป็นญาติ ของ ทองดี")}));
    }

    void saysSoWhenNoPersonIsSelected() {
        m_window->calac(QStringLiteral("สมชาย"));
        m_window->TreeView1()->setCurrentItem(m_window->TreeView1()->node(QStringLiteral("Root")));
        ModalWatcher watcher;
        choose();
        QCOMPARE(watcher.seen().value(0).text, QStringLiteral("โปรดเลือกบุคคลในผังก่อน"));
    }

    void readsAFamilyOpenedLaterAfresh() {
        QString answer;
        const auto read = [&](frm_relation* dialog) { answer = dialog->answer(); };
        m_window->calac(QStringLiteral("สมชาย"));
        ask(QStringLiteral("สมศักดิ์"), read);
        QCOMPARE(answer, QStringLiteral("สมศักดิ์ เป็น น้องชาย ต่างแม่ ของ สมชาย"));
        // The same names, but now สมศักดิ์ is the elder.
        open(
            "1,ทองดี,,1,1900-01-01,,0,,0,0\n2,สมชาย,,1,1930-03-01,,0,,1,0\n"
            "3,สมศักดิ์,,1,1920-03-01,,0,,1,0\n");
        m_window->calac(QStringLiteral("สมชาย"));
        ask(QStringLiteral("สมศักดิ์"), read);
        QCOMPARE(answer, QStringLiteral("สมศักดิ์ เป็น พี่ชาย ต่างแม่ ของ สมชาย"));
    }

private:
    void open(const char* family) {
        Module1::instance().setDatabase(FamilyDatabase::open(
            m_files.write(QStringLiteral("f%1.mdb").arg(++m_opened), family, "2,4,1\n")));
    }

    // Opens the "more" menu, which enables the command, and chooses it.
    void choose() {
        emit m_window->Toolbar1()->moreMenu()->aboutToShow();
        m_command->action()->trigger();
    }

    // Selects the node of `name` and runs the command, handing its dialog to
    // `look` before closing it; returns the classes of the windows shown.
    QStringList ask(const QString& name, const std::function<void(frm_relation*)>& look) {
        const auto nodes =
            m_window->TreeView1()->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
        m_window->TreeView1()->setCurrentItem(nodes.value(0));
        ModalWatcher watcher([&](QWidget* window) {
            if (auto* dialog = qobject_cast<frm_relation*>(window)) look(dialog);
            ModalWatcher::reject(window);
        });
        choose();
        return watcher.classNames();
    }

    kinmora::testing::FamilyFiles m_files;
    int m_opened = 0;
    std::unique_ptr<kinmora::frm_main> m_window;
    kinmora::RelationCommand* m_command = nullptr;
};

QTEST_MAIN(RelationCommandTest)
#include "relation_command_test.moc"
