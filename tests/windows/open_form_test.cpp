// The open window: the lists, the path rule, the caption, and that a file
// that cannot be opened leaves everything as it was.
#include "windows/open_form.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include "app/module1.h"
#include "fake_main_window.h"
#include "message_catcher.h"
#include "support/family_files.h"

using kinmora::Module1;
using kinmora::open_form;
using kinmora::testing::FakeMainWindow;
using kinmora::testing::FamilyFiles;
using kinmora::testing::MessageCatcher;

class OpenFormTest : public QObject {
    Q_OBJECT

private:
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
        QTest::newRow("lower") << "family.mdb"
                               << "Kinmora [family]";
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

    void windowAsDesigned() {
        FakeMainWindow main;
        open_form form(main);
        QCOMPARE(form.windowTitle(), QStringLiteral("Open"));
        QVERIFY(form.windowFlags() & Qt::Tool);
        QVERIFY(!(form.windowFlags() & Qt::WindowMinMaxButtonsHint));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QVERIFY(form.findChild<QWidget*>(QStringLiteral("Drive1")));
        QVERIFY(form.findChild<QWidget*>(QStringLiteral("Dir1")));
        QVERIFY(form.findChild<QWidget*>(QStringLiteral("File1")));
    }

    void startsInTheProgramsFolder() {
        FakeMainWindow main;
        open_form form(main);
        QCOMPARE(form.folder(), QDir::cleanPath(QCoreApplication::applicationDirPath()));
        QCOMPARE(form.selectedFile(), QString());
        QCOMPARE(form.drives().first(), QDir::rootPath());
    }

    void listsOnlyMdbFilesInAnyCase() {
        FamilyFiles files;
        for (const char* name : {"b.MDB", "a.mdb", "C.Mdb", "notes.txt", "mdb", "x.mdbx"})
            touch(files.path(QLatin1String(name)));
        QDir(files.path(QString())).mkdir(QStringLiteral("folder.mdb"));
        FakeMainWindow main;
        open_form form(main);
        QVERIFY(form.setFolder(files.path(QString())));
        QCOMPARE(form.files(), (QStringList{"a.mdb", "b.MDB", "C.Mdb"}));
        QCOMPARE(form.subfolders(), QStringList{"folder.mdb"});
    }

    void goesDownAndUp() {
        FamilyFiles files;
        const QString top = QDir::cleanPath(files.path(QString()));
        QDir(top).mkpath(QStringLiteral("inner"));
        touch(top + QStringLiteral("/inner/deep.mdb"));
        FakeMainWindow main;
        open_form form(main);
        QVERIFY(form.setFolder(top));
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
        const QString path = files.write("first.mdb", "1,กมล,ศรีสุข,1,,,0,,0,0\n");
        Module1::instance().setDatabase(kinmora::FamilyDatabase::open(path));
        FakeMainWindow main;
        open_form form(main);
        form.show();
        bool closedFirst = false;
        MessageCatcher catcher;
        kinmora::testing::later([&] { closedFirst = !form.isVisible(); });
        QVERIFY(!form.ok());
        QCOMPARE(catcher.messages.size(), 1);
        QCOMPARE(catcher.messages[0].text, QStringLiteral("No file select"));
        QCOMPARE(catcher.messages[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(closedFirst);
        QVERIFY(!form.isVisible());
        QVERIFY(main.untouched());
        QCOMPARE(Module1::instance().db_path, path);
    }

    void okOpensTheFileAndDrawsTheFirstPerson() {
        FamilyFiles files;
        files.write("family.mdb", "2,ขวัญ,,0,,,0,,0,0\n1,กมล,ศรีสุข,1,,,0,,0,0\n");
        FakeMainWindow main;
        open_form form(main);
        form.show();
        QVERIFY(form.setFolder(files.path(QString())));
        form.selectFile(QStringLiteral("family.mdb"));
        QCOMPARE(form.selectedFile(), QStringLiteral("family.mdb"));
        QVERIFY(form.ok());
        QVERIFY(!form.isVisible());
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QVERIFY(Module1::instance().isOpen());
        QCOMPARE(Module1::instance().db_path,
                 QDir::cleanPath(files.path(QString())) + QStringLiteral("/family.mdb"));
        QCOMPARE(main.captions, QStringList{"Kinmora [family]"});
        QCOMPARE(main.buttons, (QMap<int, bool>{{3, true}, {8, true}}));
        QCOMPARE(main.calacNames, QStringList{"กมล"});
    }

    void nullFirstNameDrawsAnEmptyName() {
        FamilyFiles files;
        files.write("nameless.mdb", "1,กมล,,1,,,0,,0,0\n2,,ไร้ชื่อ,1,,,0,,0,0\n");
        FakeMainWindow main;
        open_form form(main);
        QVERIFY(form.setFolder(files.path(QString())));
        form.selectFile(QStringLiteral("nameless.mdb"));
        QVERIFY(form.ok());
        QCOMPARE(main.calacNames, QStringList{QString()});
    }

    void brokenFileKeepsThePreviousState() {
        FamilyFiles files;
        const QString good = files.write("good.mdb", "1,กมล,ศรีสุข,1,,,0,,0,0\n");
        touch(files.path(QStringLiteral("broken.mdb")));
        Module1::instance().setDatabase(kinmora::FamilyDatabase::open(good));
        kinmora::FamilyDatabase* before = &Module1::instance().database();
        FakeMainWindow main;
        open_form form(main);
        form.show();
        QVERIFY(form.setFolder(files.path(QString())));
        form.selectFile(QStringLiteral("broken.mdb"));
        MessageCatcher catcher;
        QVERIFY(!form.ok());
        QCOMPARE(catcher.messages.size(), 1);
        QVERIFY(catcher.messages[0].text.startsWith(QStringLiteral("เปิดแฟ้มข้อมูลไม่ได้")));
        QVERIFY(catcher.messages[0].text.contains(QStringLiteral("broken.mdb")));
        QVERIFY(!catcher.messages[0].informativeText.isEmpty());
        QVERIFY(main.untouched());
        QCOMPARE(&Module1::instance().database(), before);
        QCOMPARE(Module1::instance().db_path, good);
        QVERIFY(form.isVisible());  // the user may pick another file
    }

    void cancelChangesNothing() {
        FakeMainWindow main;
        open_form form(main);
        form.show();
        form.cancel();
        QVERIFY(!form.isVisible());
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QVERIFY(main.untouched());
        QVERIFY(!Module1::instance().isOpen());
    }

    void closeBoxChangesNothing() {
        FamilyFiles files;
        files.write("family.mdb", "1,กมล,ศรีสุข,1,,,0,,0,0\n");
        FakeMainWindow main;
        open_form form(main);
        form.show();
        QVERIFY(form.setFolder(files.path(QString())));
        form.selectFile(QStringLiteral("family.mdb"));
        form.close();
        QVERIFY(!form.isVisible());
        QVERIFY(main.untouched());
        QVERIFY(!Module1::instance().isOpen());
    }

    void enterAndEscPressNeitherButton() {
        FamilyFiles files;
        files.write("family.mdb", "1,กมล,ศรีสุข,1,,,0,,0,0\n");
        FakeMainWindow main;
        open_form form(main);
        form.show();
        QVERIFY(form.setFolder(files.path(QString())));
        form.selectFile(QStringLiteral("family.mdb"));
        QTest::keyClick(&form, Qt::Key_Return);
        QTest::keyClick(&form, Qt::Key_Escape);
        QVERIFY(form.isVisible());
        QVERIFY(main.untouched());
    }
};

QTEST_MAIN(OpenFormTest)
#include "open_form_test.moc"
