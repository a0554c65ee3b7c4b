// The program's dialogs, driven offscreen with a fake main window: the About
// window, the personal information window, the name search and the open window.
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <clocale>
#include <stdexcept>
#include <string_view>

#include "data/family_database.h"
#include "fake_chart_window.h"
#include "support/family_files.h"
#include "support/modal_watcher.h"
#include "windows/about_dialog.h"
#include "windows/open_family_dialog.h"
#include "windows/particulars_dialog.h"
#include "windows/search_results_dialog.h"

using kinmora::AboutDialog;
using kinmora::OpenFamilyDialog;
using kinmora::ParticularsDialog;
using kinmora::SearchResultsDialog;
using kinmora::testing::FakeChartWindow;
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

    // The version comes from the application; Esc presses OK.
    void aboutShowsTheVersionAndEscPressesOk() {
        QCoreApplication::setApplicationVersion(QStringLiteral("2.03.4"));
        AboutDialog about;
        QCOMPARE(about.findChild<QLabel*>(QStringLiteral("versionLabel"))->text(),
                 QStringLiteral("Version 2.3.4"));
        QCoreApplication::setApplicationVersion(QString());
        QCOMPARE(AboutDialog::versionText(), QStringLiteral("Version 1.0.0"));
        about.show();
        QTest::keyClick(&about, Qt::Key_Escape);
        QVERIFY(!about.isVisible());
        QCOMPARE(about.result(), int(QDialog::Accepted));
    }

    void fillsEveryControl() {
        FakeChartWindow main;
        ParticularsDialog note(main, persons(), QStringLiteral("มานะ"),
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
    }

    // Showing ends the hourglass, whether or not the window is ever activated.
    void showingEndsTheHourglass() {
        const QString name = QStringLiteral("สมศรี");
        FakeChartWindow main;
        {
            ParticularsDialog note(main, persons(), name);
            QVERIFY(main.busyCursor.empty());
            note.show();
            QCOMPARE(main.busyCursor, std::vector<bool>{false});
        }
        bool loaded = false;
        ModalWatcher watcher([&](QWidget* window) {
            auto* note = qobject_cast<ParticularsDialog*>(window);
            loaded = note && note->loaded();
            ModalWatcher::reject(window);
        });
        main.busyCursor.clear();
        ParticularsDialog::showModal(main, persons(), name);
        QVERIFY(loaded);
        QVERIFY(!main.busyCursor.empty() && !main.busyCursor.back());
    }

    // A name nobody has, or no file open: a message instead of the window.
    void nobodyToShowGivesAMessage() {
        for (kinmora::RecordSet* rs : {persons(), static_cast<kinmora::RecordSet*>(nullptr)}) {
            const QString name = rs ? QStringLiteral("ไม่มีใคร") : QStringLiteral("สมชาย");
            FakeChartWindow main;
            QVERIFY(!ParticularsDialog(main, rs, name).loaded());
            ModalWatcher watcher;
            ParticularsDialog::showModal(main, rs, name);
            QCOMPARE(watcher.classNames(), QStringList{"QMessageBox"});
            if (rs) QVERIFY(watcher.seen().first().text.contains(name));
            QCOMPARE(main.busyCursor, std::vector<bool>{false});
        }
    }

    void nameOfHitLine_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("name");
        QTest::newRow("name and surname") << "สมชาย" + kGap + "ใจดี"
                                          << "สมชาย";
        QTest::newRow("leading spaces, empty surname") << "  สมชาย" + kGap << "สมชาย";
        QTest::newRow("null name") << kGap + "ใจดี" << QString();
        QTest::newRow("no gap") << " สมชาย ใจดี "
                                << "สมชาย ใจดี";
        QTest::newRow("nine spaces are no gap") << "ab" + QString(9, ' ') + "cd"
                                                << "ab" + QString(9, ' ') + "cd";
        QTest::newRow("first gap cuts") << "a" + kGap + "b" + kGap + "c"
                                        << "a";
        QTest::newRow("tab is not trimmed") << "\tสมชาย" + kGap + "x"
                                            << "\tสมชาย";
    }
    void nameOfHitLine() {
        QFETCH(QString, line);
        QFETCH(QString, name);
        QCOMPARE(SearchResultsDialog::nameOfHitLine(line), name);
    }

    void keepsLinesInThaiOrderWithoutRegardToCase() {
        FakeChartWindow main;
        SearchResultsDialog dialog(main);
        for (const char* line : {"ขวัญ", "zed", "เกด", "Beta", "กมล", "alpha", "คำ", "Alpha"})
            dialog.addItem(QString::fromUtf8(line));
        // The leading vowel does not decide; lines equal but for case keep their arrival order.
        QStringList latin, thai;
        for (const QString& line : dialog.lines())
            (line.at(0).unicode() < 0x80 ? latin : thai).append(line);
        QCOMPARE(latin, (QStringList{"alpha", "Alpha", "Beta", "zed"}));
        QCOMPARE(thai, (QStringList{"กมล", "เกด", "ขวัญ", "คำ"}));
        dialog.clear();
        QVERIFY(dialog.lines().isEmpty());
    }

    // The lines come in order with the first selected; OK draws the chart of
    // the name selected then, while the dialog is still shown and busy.
    void okDrawsTheChartOfTheSelectedName() {
        FakeChartWindow main;
        SearchResultsDialog* dialog = nullptr;
        int selected = -2;
        QStringList shown;
        Qt::CursorShape duringShowChart = Qt::ArrowCursor;
        bool visibleDuringShowChart = false;
        main.duringShowChart = [&] {
            duringShowChart = dialog->cursor().shape();
            visibleDuringShowChart = dialog->isVisible();
        };
        ModalWatcher watcher([&](QWidget* window) {
            dialog = qobject_cast<SearchResultsDialog*>(window);
            QVERIFY(dialog);
            selected = dialog->currentRow();
            shown = dialog->lines();
            dialog->setCurrentRow(1);
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("okButton")),
                              Qt::LeftButton);
            QCOMPARE(dialog->cursor().shape(), Qt::ArrowCursor);
            QVERIFY(!dialog->isVisible());
            QCOMPARE(dialog->result(), int(QDialog::Accepted));
        });
        SearchResultsDialog::showModal(main, {"ขวัญ" + kGap + "ใจดี", "กมล" + kGap + "ศรีสุข"});
        QCOMPARE(selected, 0);
        QCOMPARE(shown.first(), "กมล" + kGap + "ศรีสุข");
        QCOMPARE(main.chartedNames, QStringList{"ขวัญ"});
        QCOMPARE(duringShowChart, Qt::WaitCursor);
        QVERIFY(visibleDuringShowChart);
        QVERIFY(main.busyCursor.empty());  // showChart resets the main window's cursor itself
    }

    void failingChartIsReportedNotThrown() {
        FakeChartWindow main;
        // Thai in the error reaches the message whatever the locale's encoding.
        ::setlocale(LC_ALL, "C");
        main.duringShowChart = [] { throw std::runtime_error("แฟ้มหายไป"); };
        SearchResultsDialog dialog(main);
        dialog.addItem("กมล" + kGap);
        dialog.setCurrentRow(0);
        dialog.show();
        ModalWatcher watcher;
        dialog.confirm();
        QCOMPARE(watcher.seen().size(), 1);
        QVERIFY(watcher.seen().first().text.contains(QStringLiteral("แฟ้มหายไป")));
        QCOMPARE(main.busyCursor, std::vector<bool>{false});
        QVERIFY(!dialog.isVisible());
    }

    // Every way of leaving without OK ends the main window's busy cursor;
    // Enter, Esc and a double click do nothing at all.
    void leavingWithoutOk() {
        for (const char* how : {"cancel", "close", "keys"}) {
            const bool closes = how != std::string_view("keys");
            FakeChartWindow main;
            SearchResultsDialog dialog(main);
            dialog.addItem("กมล" + kGap);
            dialog.setCurrentRow(0);
            dialog.show();
            auto* list = dialog.findChild<QListWidget*>(QStringLiteral("hitList"));
            if (how == std::string_view("cancel")) {
                QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cancelButton")),
                                  Qt::LeftButton);
            } else if (closes) {
                QVERIFY(dialog.close());
            } else {
                QTest::keyClick(list, Qt::Key_Return);
                QTest::keyClick(list, Qt::Key_Enter, Qt::KeypadModifier);
                QTest::keyClick(list, Qt::Key_Escape);
                QTest::keyClick(&dialog, Qt::Key_Escape);
                QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                                   list->visualItemRect(list->item(0)).center());
            }
            QCOMPARE(dialog.isVisible(), !closes);
            QVERIFY(main.chartedNames.isEmpty());
            QCOMPARE(main.busyCursor, closes ? std::vector<bool>{false} : std::vector<bool>{});
        }
    }

    // Only family files (.mdb, .accdb) are listed, in any case, and folders apart; the form
    // goes down and up folders and stays where it was for one that is missing.
    void listsOnlyMdbFilesAndGoesDownAndUp() {
        FamilyFiles files;
        FakeChartWindow main;
        const QString top = QDir::cleanPath(files.path(QString()));
        for (const char* name :
             {"b.MDB", "a.mdb", "C.Mdb", "d.ACCDB", "e.accdb", "notes.txt", "mdb", "x.mdbx"})
            files.writeFile(QLatin1String(name), "not an Access file");
        QDir(top).mkpath(QStringLiteral("folder.mdb"));
        files.writeFile(QStringLiteral("folder.mdb/deep.mdb"), "not an Access file");
        OpenFamilyDialog form(main);
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

    void okWithoutAFileClosesThenSaysNoFileSelect() {
        FakeChartWindow main;
        OpenFamilyDialog form(main);
        form.show();
        bool closedFirst = false;
        ModalWatcher watcher([&](QWidget* box) {
            closedFirst = !form.isVisible();
            ModalWatcher::reject(box);
        });
        QVERIFY(!form.ok());
        QCOMPARE(watcher.classNames(), QStringList{"QMessageBox"});
        QCOMPARE(watcher.seen().first().text, QStringLiteral("No file select"));
        QVERIFY(closedFirst);
        QVERIFY(main.chartedNames.isEmpty() && main.openedPaths.isEmpty());
    }

    // OK has the main window open the file and closes only when it opened
    // (after a refusal the user may pick another file); Cancel opens nothing.
    void okOpensThroughTheMainWindowAndCancelOpensNothing() {
        for (const std::string_view how : {"opens", "refused", "cancel"}) {
            FamilyFiles files;
            FakeChartWindow main;
            main.opens = how == "opens";
            files.writeFile(QStringLiteral("family.mdb"), "not an Access file");
            OpenFamilyDialog form(main);
            form.show();
            QVERIFY(form.setFolder(files.path(QString())));
            form.selectFile(QStringLiteral("family.mdb"));
            const bool ok = how != "cancel";
            if (ok)
                QCOMPARE(form.ok(), main.opens);
            else
                form.cancel();
            QCOMPARE(form.isVisible(), how == "refused");
            QCOMPARE(main.openedPaths, ok ? QStringList{QDir::cleanPath(files.path(QString())) +
                                                        QStringLiteral("/family.mdb")}
                                          : QStringList());
            QVERIFY(main.chartedNames.isEmpty());
        }
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
