// The personal information window: filled from the open file for select_name,
// the hourglass ended on showing, and a clear message for a name nobody has.
#include "windows/frm_note.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

#include "app/module1.h"
#include "fake_main_window.h"
#include "message_catcher.h"
#include "support/family_files.h"
#include "windows/twips.h"

using kinmora::frm_note;
using kinmora::Module1;
using kinmora::testing::FakeMainWindow;
using kinmora::testing::FamilyFiles;
using kinmora::testing::MessageCatcher;

namespace {
// code,name,surname,sex,born,die,still,biography,fathercode,mothercode
const char kFamily[] =
    "1,สมชาย,ใจดี,1,1950-01-02,2001-01-01,1,ชาวนา,0,0\n"
    "2,สมศรี,,0,1952-05-03,,0,,0,0\n"
    "3,มานะ,ใจดี,1,1977-03-05,,0,ลูกคนแรก เรียนหนังสือเก่ง,1,2\n";
const QDateTime kNow(QDate(2024, 6, 15), QTime(13, 45));
}  // namespace

class FrmNoteTest : public QObject {
    Q_OBJECT

private:
    static QString text(const frm_note& note, const char* name) {
        const auto* label = note.findChild<QLabel*>(QLatin1String(name));
        return label ? label->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
    }

    FamilyFiles m_files;

private slots:
    void init() {
        Module1::instance().setDatabase(
            kinmora::FamilyDatabase::open(m_files.write("family.mdb", kFamily)));
    }
    void cleanup() { Module1::instance().setDatabase(nullptr); }

    void fillsEveryControl() {
        Module1::instance().select_name = QStringLiteral("มานะ");
        FakeMainWindow main;
        frm_note note(main, kNow);
        QVERIFY(note.loaded());
        QCOMPARE(note.windowTitle(), QStringLiteral("ข้อมูล"));
        QCOMPARE(text(note, "Label10"), QStringLiteral("มานะ"));
        QCOMPARE(text(note, "Label11"), QStringLiteral("ใจดี"));
        QCOMPARE(text(note, "Label4"), QStringLiteral("ชาย"));
        QCOMPARE(text(note, "Label12"), QStringLiteral("05/03/2520"));
        QCOMPARE(text(note, "Label17"), QString());
        QCOMPARE(text(note, "Label8"), QStringLiteral("อายุ 47  ปี  102  วัน"));
        QCOMPARE(text(note, "Label14"), QStringLiteral("สมชาย   ใจดี"));
        QCOMPARE(text(note, "Label15"), QStringLiteral("สมศรี   "));
        QCOMPARE(note.findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->toPlainText(),
                 QStringLiteral("ลูกคนแรก เรียนหนังสือเก่ง "));
        QCOMPARE(text(note, "Label5"), QStringLiteral("ชื่อ"));
        QCOMPARE(text(note, "Label6"), QStringLiteral("สกุล"));
        QCOMPARE(text(note, "Label9"), QStringLiteral("เพศ"));
        QCOMPARE(text(note, "Label3"), QStringLiteral("บิดา"));
        QCOMPARE(text(note, "Label13"), QStringLiteral("มารดา"));
        QCOMPARE(Module1::instance().rs_family().field(QStringLiteral("code")).toText(),
                 QStringLiteral("3"));
    }

    void deadPersonShowsAgeAtDeath() {
        Module1::instance().select_name = QStringLiteral("สมชาย");
        FakeMainWindow main;
        frm_note note(main, kNow);
        QCOMPARE(text(note, "Label17"), QStringLiteral("01/01/2544"));
        QCOMPARE(text(note, "Label8"), QStringLiteral("อายุ 50  ปี  364  วัน"));
        QCOMPARE(text(note, "Label14").trimmed(), QString());
        QCOMPARE(note.findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->toPlainText(),
                 QStringLiteral("ชาวนา "));
    }

    void fixedToolWindowOfTheDesignedSize() {
        Module1::instance().select_name = QStringLiteral("สมศรี");
        FakeMainWindow main;
        frm_note note(main, kNow);
        QVERIFY(note.windowFlags() & Qt::Tool);
        QCOMPARE(note.size(), kinmora::twips::toPixels(7935.0, 6210.0));
        QCOMPARE(note.minimumSize(), note.maximumSize());
        QCOMPARE(note.findChild<QLabel*>(QStringLiteral("Label10"))->geometry(),
                 kinmora::twips::toPixels(720.0, 300.0, 6780.0, 315.0));
    }

    void showingEndsTheHourglass() {
        Module1::instance().select_name = QStringLiteral("สมศรี");
        FakeMainWindow main;
        frm_note note(main, kNow);
        QVERIFY(main.busyCursor.empty());
        note.show();
        QVERIFY(!main.busyCursor.empty());
        QCOMPARE(main.busyCursor.back(), false);
    }

    void showModalEndsTheHourglass() {
        Module1::instance().select_name = QStringLiteral("สมศรี");
        FakeMainWindow main;
        bool shown = false;
        kinmora::testing::later([&] {
            auto* note = qobject_cast<frm_note*>(QApplication::activeModalWidget());
            shown = note && note->loaded();
            if (note) note->close();
        });
        frm_note::showModal(main);
        QVERIFY(shown);
        QCOMPARE(main.busyCursor.back(), false);
    }

    void nameNobodyHasShowsAMessageInstead() {
        Module1::instance().select_name = QStringLiteral("ไม่มีใคร");
        FakeMainWindow main;
        {
            frm_note note(main, kNow);
            QVERIFY(!note.loaded());
            QCOMPARE(text(note, "Label10"), QString());
        }
        MessageCatcher catcher;
        frm_note::showModal(main);
        QCOMPARE(catcher.messages.size(), 1);
        QVERIFY(catcher.messages[0].text.contains(QStringLiteral("ไม่มีใคร")));
        QCOMPARE(main.busyCursor, std::vector<bool>{false});
    }

    void noFileOpenShowsAMessage() {
        Module1::instance().setDatabase(nullptr);
        Module1::instance().select_name = QStringLiteral("สมชาย");
        FakeMainWindow main;
        MessageCatcher catcher;
        frm_note::showModal(main);
        QCOMPARE(catcher.messages.size(), 1);
        QCOMPARE(main.busyCursor, std::vector<bool>{false});
    }
};

QTEST_MAIN(FrmNoteTest)
#include "frm_note_test.moc"
