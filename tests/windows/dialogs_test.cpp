// The program's dialogs, driven offscreen over a plain owner window: the About
// window, the personal information window, the name search and the open window.
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <string_view>

#include "data/family_database.h"
#include "support/family_files.h"
#include "support/modal_watcher.h"
#include "windows/about_dialog.h"
#include "windows/code_page_preview.h"
#include "windows/failure_message.h"
#include "windows/open_family_dialog.h"
#include "windows/particulars_dialog.h"
#include "windows/saved_message.h"
#include "windows/search_results_dialog.h"
#include "windows/titled_message_box.h"

using kinmora::AboutDialog;
using kinmora::OpenFamilyDialog;
using kinmora::ParticularsDialog;
using kinmora::SearchResultsDialog;
using kinmora::testing::FamilyFiles;
using kinmora::testing::ModalWatcher;

namespace {
const QString kGap(10, QLatin1Char(' '));

// code,name,surname,sex,born,die,still,biography,fathercode,mothercode
const char kFamily[] =
    "1,สมชาย,ใจดี,1,1950-01-02,2001-01-01,1,ชาวนา,0,0\n"
    "2,สมศรี,,0,1952-05-03,,0,,0,0\n"
    "3,มานะ,ใจดี,1,1977-03-05,2020-01-01,0,ลูกคนแรก เรียนหนังสือเก่ง,1,2\n";
}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

    FamilyFiles m_files;
    std::unique_ptr<kinmora::FamilyDatabase> m_db;
    kinmora::RecordSet* persons() { return &m_db->persons(); }

private slots:
    void initTestCase() {
        m_db = kinmora::FamilyDatabase::open(m_files.write("family.mdb", kFamily));
    }

    void aboutShowsTheVersionAndEscPressesOk() {
        QCoreApplication::setApplicationVersion(QStringLiteral("2.03.4"));
        AboutDialog about;
        QCOMPARE(about.findChild<QLabel*>(QStringLiteral("versionLabel"))->text(),
                 QStringLiteral("Version 2.3.4"));
        QCoreApplication::setApplicationVersion(QString());
        QVERIFY(AboutDialog::versionText().startsWith(QStringLiteral("Version ")));
        about.show();
        QTest::keyClick(&about, Qt::Key_Escape);
        QVERIFY(!about.isVisible());
        QCOMPARE(about.result(), int(QDialog::Accepted));
    }

    void fillsEveryControl() {
        ParticularsDialog note(nullptr, persons(), QStringLiteral("มานะ"),
                               QDateTime(QDate(2024, 6, 15), QTime(13, 45)));
        QVERIFY(note.loaded());
        QStringList texts;
        for (const char* label : {"nameValue", "surnameValue", "sexValue", "bornValue", "diedValue",
                                  "ageValue", "fatherValue", "motherValue"})
            texts.append(note.findChild<QLabel*>(QLatin1String(label))->text());
        texts.append(
            note.findChild<QPlainTextEdit*>(QStringLiteral("biographyText"))->toPlainText());
        QCOMPARE(texts, (QStringList{"มานะ", "ใจดี", "ชาย", "05/03/2520", "01/01/2563",
                                     "อายุ 42  ปี  301  วัน", "สมชาย   ใจดี", "สมศรี   ",
                                     "ลูกคนแรก เรียนหนังสือเก่ง "}));
        // Each caption stands apart from its value, however wide its Thai runs.
        for (const char* field : {"name", "surname", "sex", "father", "mother"}) {
            const auto* c =
                note.findChild<QLabel*>(QLatin1String(field) + QLatin1String("Caption"));
            const auto* v = note.findChild<QLabel*>(QLatin1String(field) + QLatin1String("Value"));
            QVERIFY2(v->x() >= c->x() + c->fontMetrics().horizontalAdvance(c->text()) + 4, field);
        }
    }

    // Showing ends the owner's hourglass, whether or not the window is ever
    // activated; a name nobody has, or no file open, gives a message instead
    // and ends it too.
    void showingEndsTheOwnersHourglass() {
        QWidget owner;
        const auto busy = [&] { return owner.cursor().shape() == Qt::WaitCursor; };
        owner.setCursor(Qt::WaitCursor);
        {
            ParticularsDialog note(&owner, persons(), QStringLiteral("สมศรี"));
            QVERIFY(busy());
            note.show();
            QVERIFY(!busy());
        }
        {
            bool loaded = false;
            ModalWatcher watcher([&](QWidget* window) {
                auto* note = qobject_cast<ParticularsDialog*>(window);
                loaded = note && note->loaded();
                ModalWatcher::reject(window);
            });
            owner.setCursor(Qt::WaitCursor);
            ParticularsDialog::showModal(&owner, persons(), QStringLiteral("สมศรี"));
            QVERIFY(loaded && !busy());
        }
        for (kinmora::RecordSet* rs : {persons(), static_cast<kinmora::RecordSet*>(nullptr)}) {
            const QString name = rs ? QStringLiteral("ไม่มีใคร") : QStringLiteral("สมชาย");
            QVERIFY(!ParticularsDialog(&owner, rs, name).loaded());
            ModalWatcher message;
            owner.setCursor(Qt::WaitCursor);
            ParticularsDialog::showModal(&owner, rs, name);
            QCOMPARE(message.classNames(), QStringList{"QMessageBox"});
            if (rs) QVERIFY(message.seen().first().text.contains(name));
            QVERIFY(!busy());
        }
    }

    // Text read in the wrong code page is told from text that reads: Thai
    // marks with no letter under them, replacement characters, or mostly
    // the Latin-1 signs Thai bytes become; the preview warns when most
    // names are such.
    void codePagePreviewTellsUnreadableText() {
        const std::pair<const char*, bool> cases[] = {
            {"สมชาย ใจดี", true},
            {"François Lefèvre", true},
            {"น้ำค้าง", true},
            {"Fran\xe0\xb9\x87ois", false},  // a tone mark after a Latin letter
            {"\xe0\xb8\xb4ก", false},        // a vowel mark with nothing under it
            {"ÊÁªÒÂ", false},                // Thai bytes read as Western
            {"a\xef\xbf\xbd", false}};
        for (const auto& [text, readable] : cases)
            QVERIFY2(kinmora::CodePagePreview::isReadable(QString::fromUtf8(text)) == readable,
                     text);
        for (const bool mostlyBad : {false, true}) {
            const QStringList sample = mostlyBad ? QStringList{"ÊÁªÒÂ", "ÁÒÅÕ", "Anna"}
                                                 : QStringList{"สมชาย", "ÊÁªÒÂ", "Anna"};
            ModalWatcher watcher;
            QVERIFY(
                !kinmora::CodePagePreview::confirm(nullptr, QStringLiteral("874"), sample, sample));
            QCOMPARE(watcher.seen().first().informativeText.contains(QStringLiteral("คำเตือน")),
                     mostlyBad);
        }
    }

    // The name is what comes before the first gap of ten spaces, trimmed of spaces only.
    void nameOfHitLine() {
        const QString nine(9, QLatin1Char(' '));
        const std::pair<QString, QString> cases[] = {{"สมชาย" + kGap + "ใจดี", "สมชาย"},
                                                     {"  สมชาย" + kGap, "สมชาย"},
                                                     {kGap + "ใจดี", QString()},
                                                     {" สมชาย ใจดี ", "สมชาย ใจดี"},
                                                     {"ab" + nine + "cd", "ab" + nine + "cd"},
                                                     {"a" + kGap + "b" + kGap + "c", "a"},
                                                     {"\tสมชาย" + kGap + "x", "\tสมชาย"}};
        for (const auto& [line, name] : cases)
            QCOMPARE(SearchResultsDialog::nameOfHitLine(line), name);
    }

    void keepsLinesInThaiOrderWithoutRegardToCase() {
        SearchResultsDialog dialog(nullptr, {});
        for (const char* line : {"ขวัญ", "zed", "เกด", "Beta", "กมล", "alpha", "คำ", "Alpha"})
            dialog.addItem(QString::fromUtf8(line));
        // The leading vowel does not decide; lines equal but for case keep their arrival order.
        QStringList latin, thai;
        for (const QString& line : dialog.lines())
            (line.at(0).unicode() < 0x80 ? latin : thai).append(line);
        QCOMPARE(latin, (QStringList{"alpha", "Alpha", "Beta", "zed"}));
        QCOMPARE(thai, (QStringList{"กมล", "เกด", "ขวัญ", "คำ"}));
        // The list shows whole rows only, above the buttons.
        dialog.show();
        const auto* list = dialog.findChild<QListWidget*>(QStringLiteral("hitList"));
        const int rows = list->viewport()->height() / list->sizeHintForRow(0);
        QVERIFY(rows >= 4);
        QCOMPARE(list->viewport()->height(), rows * list->sizeHintForRow(0));
        QVERIFY(list->geometry().bottom() <
                dialog.findChild<QPushButton*>(QStringLiteral("okButton"))->y());
        dialog.clear();
        QVERIFY(dialog.lines().isEmpty());
    }

    // A failure reads in Thai with its file, the technical detail behind the
    // details button; a save names its files; both, and a box as short as
    // "NOT FOUND", are wide enough to show their title whole.
    void messagesAreThaiAndWideEnoughForTheirTitle() {
        const QString title = QStringLiteral("Kinmora (ครอบครัวใหญ่ของคุณยายทองใบ.mdb)");
        int narrowest = 0;
        int needed = 0;
        ModalWatcher watcher([&](QWidget* window) {
            const auto* box = static_cast<kinmora::TitledMessageBox*>(window);
            needed = box->titleWidth();
            narrowest = narrowest == 0 ? box->width() : std::min(narrowest, box->width());
            ModalWatcher::reject(window);
        });
        kinmora::FailureMessage(QStringLiteral("บันทึกไม่สำเร็จ"), QStringLiteral("เขียนแฟ้มไม่ได้"))
            .file(QStringLiteral("/tmp/a.ged"))
            .detail(QStringLiteral("/tmp/a.ged: cannot be written"))
            .exec(nullptr, title);
        kinmora::SavedMessage::exec(
            nullptr, title, QStringLiteral("บันทึกครอบครัวเป็นแฟ้ม CSV แล้ว"),
            {QStringLiteral("/a/b.csv"), QStringLiteral("/a/b-married.csv")});
        kinmora::TitledMessageBox(QMessageBox::NoIcon, title, QStringLiteral("NOT FOUND"),
                                  QMessageBox::Ok)
            .exec();
        QCOMPARE(watcher.seen().size(), 3);
        const ModalWatcher::Seen& failure = watcher.seen()[0];
        QCOMPARE(failure.className, QStringLiteral("QMessageBox"));
        QCOMPARE(failure.informativeText, QStringLiteral("เขียนแฟ้มไม่ได้\n\nแฟ้ม: /tmp/a.ged"));
        QCOMPARE(failure.detailedText, QStringLiteral("/tmp/a.ged: cannot be written"));
        QCOMPARE(watcher.seen()[1].informativeText,
                 QStringLiteral("แฟ้ม:\n/a/b.csv\n/a/b-married.csv"));
        QVERIFY(needed > QFontMetrics(QApplication::font()).horizontalAdvance(title));
        QVERIFY2(narrowest >= needed, qPrintable(QString::number(narrowest)));
    }

    // The lines come in order with the first selected. OK keeps the name of the line selected
    // then and closes, accepted; Cancel and the close box leave rejected with no name; Enter,
    // Esc and a double click do nothing at all.
    void leavingByOkOrWithout() {
        for (const std::string_view how : {"ok", "cancel", "close", "keys"}) {
            SearchResultsDialog dialog(nullptr, {"ขวัญ" + kGap + "ใจดี", "กมล" + kGap + "ศรีสุข"});
            QCOMPARE(dialog.currentRow(), 0);
            QCOMPARE(dialog.lines().first(), "กมล" + kGap + "ศรีสุข");
            dialog.show();
            dialog.setCurrentRow(1);
            auto* list = dialog.findChild<QListWidget*>(QStringLiteral("hitList"));
            if (how == "ok" || how == "cancel") {
                const QString button = QLatin1String(how.data()) + QStringLiteral("Button");
                QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
            } else if (how == "close") {
                QVERIFY(dialog.close());
            } else {
                QTest::keyClick(list, Qt::Key_Return);
                QTest::keyClick(list, Qt::Key_Enter, Qt::KeypadModifier);
                QTest::keyClick(list, Qt::Key_Escape);
                QTest::keyClick(&dialog, Qt::Key_Escape);
                QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                                   list->visualItemRect(list->item(0)).center());
            }
            QCOMPARE(dialog.isVisible(), how == "keys");
            if (how != "keys")
                QCOMPARE(dialog.result(), int(how == "ok" ? QDialog::Accepted : QDialog::Rejected));
            QCOMPARE(dialog.pickedName(), how == "ok" ? QStringLiteral("ขวัญ") : QString());
        }
    }

    // Only family files (.mdb, .accdb) are listed, in any case, and folders apart; the form
    // goes down and up folders and stays where it was for one that is missing.
    void listsOnlyMdbFilesAndGoesDownAndUp() {
        FamilyFiles files;
        const QString top = QDir::cleanPath(files.path(QString()));
        for (const char* name :
             {"b.MDB", "a.mdb", "C.Mdb", "d.ACCDB", "e.accdb", "notes.txt", "mdb", "x.mdbx"})
            files.writeFile(QLatin1String(name), "not an Access file");
        QDir(top).mkpath(QStringLiteral("folder.mdb"));
        files.writeFile(QStringLiteral("folder.mdb/deep.mdb"), "not an Access file");
        OpenFamilyDialog form(nullptr);
        QCOMPARE(form.folder(), QDir::cleanPath(QCoreApplication::applicationDirPath()));
        QVERIFY(form.setFolder(top));
        QCOMPARE(form.files(), (QStringList{"a.mdb", "b.MDB", "C.Mdb", "d.ACCDB", "e.accdb"}));
        QCOMPARE(form.subfolders(), QStringList{"folder.mdb"});
        QCOMPARE(form.selectedFile(), QString());
        QVERIFY(form.setFolder(top + QStringLiteral("/folder.mdb")));
        QCOMPARE(form.files(), QStringList{"deep.mdb"});
        QVERIFY(form.setFolder(top + QStringLiteral("/folder.mdb/..")));
        QCOMPARE(form.folder(), top);
        QVERIFY(!form.setFolder(top + QStringLiteral("/missing")));
        QCOMPARE(form.folder(), top);
        form.setDrive(QDir::rootPath());
        QCOMPARE(form.folder(), QDir::rootPath());
    }

    // OK with a file closes, accepted, with the file's full path; Cancel closes with none; OK
    // without a file closes first, then says "No file select".
    void okChoosesTheFileAndCancelChoosesNothing() {
        for (const char* how : {"ok", "cancel", "no file"}) {
            OpenFamilyDialog form(nullptr);
            form.show();
            QVERIFY(form.setFolder(m_files.path(QString())));
            const bool ok = how == std::string_view("ok");
            if (*how != 'n') form.selectFile(QStringLiteral("family.mdb"));
            bool closedFirst = false;
            ModalWatcher watcher([&](QWidget* box) {
                closedFirst = !form.isVisible();
                ModalWatcher::reject(box);
            });
            how == std::string_view("cancel") ? form.cancel() : form.ok();
            QVERIFY(!form.isVisible());
            QCOMPARE(form.result(), int(ok ? QDialog::Accepted : QDialog::Rejected));
            QCOMPARE(form.chosenPath(),
                     ok ? QDir::cleanPath(m_files.path(QString())) + QStringLiteral("/family.mdb")
                        : QString());
            QCOMPARE(watcher.seen().value(0).text,
                     *how == 'n' ? QStringLiteral("No file select") : QString());
            QVERIFY(closedFirst || *how != 'n');
        }
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
