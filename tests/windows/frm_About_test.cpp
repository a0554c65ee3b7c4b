// The About window: the version it shows, and that OK, Enter and Esc all close it as OK.
#include "windows/frm_About.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using kinmora::frm_About;

class FrmAboutTest : public QObject {
    Q_OBJECT

private slots:
    void versionComesFromTheApplication() {
        QCoreApplication::setApplicationVersion(QStringLiteral("2.03.4"));
        QCOMPARE(frm_About::versionText(), QStringLiteral("Version 2.3.4"));
        QCOMPARE(frm_About().findChild<QLabel*>(QStringLiteral("lblVersion"))->text(),
                 QStringLiteral("Version 2.3.4"));
        QCoreApplication::setApplicationVersion(QString());
        QCOMPARE(frm_About::versionText(), QStringLiteral("Version 1.0.0"));
    }

    void closesAsOk_data() {
        QTest::addColumn<int>("key");  // 0: a click on OK
        QTest::newRow("OK") << 0;
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }
    void closesAsOk() {
        QFETCH(int, key);
        frm_About about;
        about.show();
        if (key)
            QTest::keyClick(&about, Qt::Key(key));
        else
            QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("cmdOK")),
                              Qt::LeftButton);
        QVERIFY(!about.isVisible());
        QCOMPARE(about.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(FrmAboutTest)
#include "frm_About_test.moc"
