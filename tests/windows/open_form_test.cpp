// The open window: the path rule, the caption, the lists, what OK does, and
// that a file that cannot be opened or a window left another way changes nothing.
#include "windows/open_form.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include "app/modal_watcher.h"
#include "app/module1.h"
#include "fake_main_window.h"
#include "support/family_files.h"

using kinmora::Module1;
using kinmora::open_form;
using kinmora::testing::FakeMainWindow;
using kinmora::testing::FamilyFiles;
using kinmora::testing::ModalWatcher;

class OpenFormTest : public QObject {
    Q_OBJECT

    static void touch(const QString& path) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not an Access file");
    }

private slots:
    void init() {
        Module1::instance().setDatabase(nullptr);
        Module1::instance().prog_title = QStringLiteral("Kinmora");
    }
    void cleanup() { Module1::instance().setDatabase(nullptr); }

    void pathRule_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("path");
        QTest::newRow("root") << "/"
                              << "family.mdb"
                              << "/family.mdb";
        QTest::newRow("folder") << "/home/user"
                                << "family.mdb"
                                << "/home/user/family.mdb";
        QTest::newRow("folder with slash") << "/home/user/"
                                           << "a.MDB"
                                           << "/home/user/a.MDB";
    }
    void pathRule() {
        QFETCH(QString, folder);
        QFETCH(QString, file);
        QFETCH(QString, path);
        QCOMPARE(open_form::filePath(folder, file), path);
    }

    void caption_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("caption");
        QTest::newRow("upper") << "FAMILY.MDB"
                               << "Kinmora [FAMILY]";
        QTest::newRow("thai") << "ตระกูล.Mdb"
                              << "Kinmora [ตระกูล]";
        QTest::newRow("only extension") << ".mdb"
                                        << "Kinmora []";
    }
    void caption() {
        QFETCH(QString, file);
        QFETCH(QString, caption);
        QCOMPARE(open_form::caption(QStringLiteral("Kinmora"), file), caption);
    }

    void listsOnlyMdbFilesInAnyCase() {
        FamilyFiles files;
        FakeMainWindow main;
        for (const char* name : {"b.MDB", "a.mdb", "C.Mdb", "notes.txt", "mdb", "x.mdbx"})
            touch(files.path(QLatin1String(name)));
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
        touch(top + QStringLiteral("/inner/deep.mdb"));
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
        FamilyFiles files;
        FakeMainWindow main;
        const QString path = files.write("first.mdb", "1,กมล,ศรีสุข,1,,,0,,0,0\n");
        Module1::instance().setDatabase(kinmora::FamilyDatabase::open(path));
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
        QCOMPARE(Module1::instance().db_path, path);
    }

    void okOpensTheFileAndDrawsTheFirstPerson_data() {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("first");
        QTest::newRow("first in name order") << "2,ขวัญ,,0,,,0,,0,0\n1,กมล,ศรีสุข,1,,,0,,0,0\n"
                                             << QStringLiteral("กมล");
        QTest::newRow("nameless first") << "1,กมล,,1,,,0,,0,0\n2,,ไร้ชื่อ,1,,,0,,0,0\n" << QString();
    }
    void okOpensTheFileAndDrawsTheFirstPerson() {
        FamilyFiles files;
        FakeMainWindow main;
        QFETCH(QString, rows);
        QFETCH(QString, first);
        files.write("family.mdb", rows.toStdString());
        open_form form(main);
        form.show();
        QVERIFY(form.setFolder(files.path(QString())));
        form.selectFile(QStringLiteral("family.mdb"));
        QCOMPARE(form.selectedFile(), QStringLiteral("family.mdb"));
        QVERIFY(form.ok());
        QVERIFY(!form.isVisible());
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(Module1::instance().db_path,
                 QDir::cleanPath(files.path(QString())) + QStringLiteral("/family.mdb"));
        QCOMPARE(main.captions, QStringList{"Kinmora [family]"});
        QCOMPARE(main.buttons, (QMap<int, bool>{{3, true}, {8, true}}));
        QCOMPARE(main.calacNames, QStringList{first});
    }

    void brokenFileKeepsThePreviousState() {
        FamilyFiles files;
        FakeMainWindow main;
        const QString good = files.write("good.mdb", "1,กมล,ศรีสุข,1,,,0,,0,0\n");
        touch(files.path(QStringLiteral("broken.mdb")));
        Module1::instance().setDatabase(kinmora::FamilyDatabase::open(good));
        kinmora::FamilyDatabase* before = &Module1::instance().database();
        open_form form(main);
        form.show();
        QVERIFY(form.setFolder(files.path(QString())));
        form.selectFile(QStringLiteral("broken.mdb"));
        // The window itself stays up, modal, while the file is read.
        ModalWatcher watcher([&form](QWidget* window) {
            if (window != &form) ModalWatcher::reject(window);
        });
        QVERIFY(!form.ok());
        QCOMPARE(watcher.classNames().filter(QStringLiteral("QMessageBox")).size(), 1);
        QCOMPARE(watcher.seen().last().text, QStringLiteral("เปิดแฟ้มข้อมูลไม่ได้: broken.mdb"));
        // Thai first, the reader's own words after.
        QVERIFY(watcher.seen().last().informativeText.contains(
            QStringLiteral("ไม่ใช่แฟ้มฐานข้อมูล Access\n\nis not an Access database")));
        QVERIFY(main.untouched());
        QCOMPARE(&Module1::instance().database(), before);
        QCOMPARE(Module1::instance().db_path, good);
        QVERIFY(form.isVisible());  // the user may pick another file
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
        QVERIFY(!Module1::instance().isOpen());
    }
};

QTEST_MAIN(OpenFormTest)
#include "open_form_test.moc"
