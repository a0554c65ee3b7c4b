// The open window: the lists, what OK asks of the main window, and that a
// window left another way changes nothing.
#include "windows/open_form.h"

#include <QDir>
#include <QTest>

#include "fake_main_window.h"
#include "support/family_files.h"
#include "support/modal_watcher.h"

using kinmora::open_form;
using kinmora::testing::FakeMainWindow;
using kinmora::testing::FamilyFiles;
using kinmora::testing::ModalWatcher;

class OpenFormTest : public QObject {
    Q_OBJECT

private slots:
    void listsOnlyMdbFilesInAnyCase() {
        FamilyFiles files;
        FakeMainWindow main;
        for (const char* name : {"b.MDB", "a.mdb", "C.Mdb", "notes.txt", "mdb", "x.mdbx"})
            files.writeFile(QLatin1String(name), "not an Access file");
        QDir(files.path(QString())).mkdir(QStringLiteral("folder.mdb"));
        open_form form(main);
        QCOMPARE(form.folder(), QDir::cleanPath(QCoreApplication::applicationDirPath()));
        QVERIFY(form.setFolder(files.path(QString())));
        QCOMPARE(form.files(), (QStringList{"a.mdb", "b.MDB", "C.Mdb"}));
        QCOMPARE(form.subfolders(), QStringList{"folder.mdb"});
        QCOMPARE(form.selectedFile(), QString());
    }

    void goesDownAndUp() {
        FamilyFiles files;
        FakeMainWindow main;
        const QString top = QDir::cleanPath(files.path(QString()));
        QDir(top).mkpath(QStringLiteral("inner"));
        files.writeFile(QStringLiteral("inner/deep.mdb"), "not an Access file");
        open_form form(main);
        QVERIFY(form.setFolder(top + QStringLiteral("/inner")));
        QCOMPARE(form.files(), QStringList{"deep.mdb"});
        QVERIFY(form.setFolder(top + QStringLiteral("/inner/..")));
        QCOMPARE(form.folder(), top);
        QVERIFY(form.files().isEmpty());
        QVERIFY(!form.setFolder(top + QStringLiteral("/missing")));
        QCOMPARE(form.folder(), top);
        form.setDrive(QDir::rootPath());
        QCOMPARE(form.folder(), QDir::rootPath());
    }

    void okWithoutAFileClosesThenSaysNoFileSelect() {
        FakeMainWindow main;
        open_form form(main);
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
        QVERIFY(main.untouched());
    }

    void okHasTheMainWindowOpenTheFileAndClosesOnlyWhenItOpened_data() {
        QTest::addColumn<bool>("opens");
        QTest::newRow("opened") << true;
        QTest::newRow("refused") << false;
    }
    void okHasTheMainWindowOpenTheFileAndClosesOnlyWhenItOpened() {
        QFETCH(bool, opens);
        FamilyFiles files;
        FakeMainWindow main;
        main.opens = opens;
        files.writeFile(QStringLiteral("family.mdb"), "not an Access file");
        open_form form(main);
        form.show();
        QVERIFY(form.setFolder(files.path(QString())));
        form.selectFile(QStringLiteral("family.mdb"));
        QCOMPARE(form.ok(), opens);
        QCOMPARE(main.openedPaths, QStringList{QDir::cleanPath(files.path(QString())) +
                                               QStringLiteral("/family.mdb")});
        QCOMPARE(form.isVisible(), !opens);  // after a refusal the user may pick another file
    }

    void otherWaysOutChangeNothing_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Cancel") << "cancel" << true;
        QTest::newRow("close box") << "close" << true;
        QTest::newRow("Enter and Esc press neither button") << "keys" << false;
    }
    void otherWaysOutChangeNothing() {
        FamilyFiles files;
        FakeMainWindow main;
        QFETCH(QString, how);
        QFETCH(bool, closes);
        files.write("family.mdb", "1,กมล,ศรีสุข,1,,,0,,0,0\n");
        open_form form(main);
        form.show();
        QVERIFY(form.setFolder(files.path(QString())));
        form.selectFile(QStringLiteral("family.mdb"));
        if (how == QLatin1String("cancel")) {
            form.cancel();
        } else if (how == QLatin1String("close")) {
            form.close();
        } else {
            QTest::keyClick(&form, Qt::Key_Return);
            QTest::keyClick(&form, Qt::Key_Escape);
        }
        QCOMPARE(form.isVisible(), !closes);
        QVERIFY(main.untouched());
    }
};

QTEST_MAIN(OpenFormTest)
#include "open_form_test.moc"
