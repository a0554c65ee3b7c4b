// The personal information window: each text in its control, the hourglass
// ended on showing, and a message instead of the window when nobody can be shown.
#include "windows/frm_note.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

#include "data/family_database.h"
#include "fake_main_window.h"
#include "support/family_files.h"
#include "support/modal_watcher.h"

using kinmora::frm_note;
using kinmora::testing::FakeMainWindow;
using kinmora::testing::ModalWatcher;

namespace {
// code,name,surname,sex,born,die,still,biography,fathercode,mothercode
const char kFamily[] =
    "1,สมชาย,ใจดี,1,1950-01-02,2001-01-01,1,ชาวนา,0,0\n"
    "2,สมศรี,,0,1952-05-03,,0,,0,0\n"
    "3,มานะ,ใจดี,1,1977-03-05,2020-01-01,0,ลูกคนแรก เรียนหนังสือเก่ง,1,2\n";
}  // namespace

class FrmNoteTest : public QObject {
    Q_OBJECT

    kinmora::testing::FamilyFiles m_files;
    std::unique_ptr<kinmora::FamilyDatabase> m_db;
    kinmora::RecordSet* persons() { return &m_db->rs_family(); }

private slots:
    void initTestCase() {
        m_db = kinmora::FamilyDatabase::open(m_files.write("family.mdb", kFamily));
    }

    void fillsEveryControl() {
        FakeMainWindow main;
        frm_note note(main, persons(), QStringLiteral("มานะ"),
                      QDateTime(QDate(2024, 6, 15), QTime(13, 45)));
        QVERIFY(note.loaded());
        QStringList texts;
        for (const char* label :
             {"Label10", "Label11", "Label4", "Label12", "Label17", "Label8", "Label14", "Label15"})
            texts.append(note.findChild<QLabel*>(QLatin1String(label))->text());
        texts.append(note.findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->toPlainText());
        QCOMPARE(texts, (QStringList{"มานะ", "ใจดี", "ชาย", "05/03/2520", "01/01/2563",
                                     "อายุ 42  ปี  301  วัน", "สมชาย   ใจดี", "สมศรี   ",
                                     "ลูกคนแรก เรียนหนังสือเก่ง "}));
    }

    // Showing ends the hourglass, whether or not the window is ever activated.
    void showingEndsTheHourglass() {
        const QString name = QStringLiteral("สมศรี");
        FakeMainWindow main;
        {
            frm_note note(main, persons(), name);
            QVERIFY(main.busyCursor.empty());
            note.show();
            QCOMPARE(main.busyCursor, std::vector<bool>{false});
        }
        bool loaded = false;
        ModalWatcher watcher([&](QWidget* window) {
            auto* note = qobject_cast<frm_note*>(window);
            loaded = note && note->loaded();
            ModalWatcher::reject(window);
        });
        main.busyCursor.clear();
        frm_note::showModal(main, persons(), name);
        QVERIFY(loaded);
        QVERIFY(!main.busyCursor.empty() && !main.busyCursor.back());
    }

    void nobodyToShowGivesAMessage_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("open");
        QTest::newRow("name nobody has") << "ไม่มีใคร" << true;
        QTest::newRow("no file open") << "สมชาย" << false;
    }
    void nobodyToShowGivesAMessage() {
        QFETCH(QString, name);
        QFETCH(bool, open);
        kinmora::RecordSet* rs = open ? persons() : nullptr;
        FakeMainWindow main;
        QVERIFY(!frm_note(main, rs, name).loaded());
        ModalWatcher watcher;
        frm_note::showModal(main, rs, name);
        QCOMPARE(watcher.classNames(), QStringList{"QMessageBox"});
        if (open) QVERIFY(watcher.seen().first().text.contains(name));
        QCOMPARE(main.busyCursor, std::vector<bool>{false});
    }
};

QTEST_MAIN(FrmNoteTest)
#include "frm_note_test.moc"
