// The About window: its texts, where it opens, and that Enter and Esc press OK.
#include "windows/frm_About.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "windows/twips.h"

using kinmora::frm_About;

class FrmAboutTest : public QObject {
    Q_OBJECT

private:
    static QString text(const frm_About& about, const char* name) {
        const auto* label = about.findChild<QLabel*>(QLatin1String(name));
        return label ? label->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
    }

private slots:
    void showsTitleVersionAndDesigner() {
        frm_About about;
        QCOMPARE(about.windowTitle(), QStringLiteral("About Kinmora"));
        QCOMPARE(text(about, "lblTitle"), QStringLiteral("Kinmora"));
        QCOMPARE(text(about, "lblVersion"), QStringLiteral("Version 1.0.0"));
        QCOMPARE(text(about, "Label3"), QStringLiteral("ออกแบบ :"));
        QCOMPARE(text(about, "Label4"), QStringLiteral("ติดต่อ :"));
        QVERIFY(!text(about, "lblDescription").isEmpty());
        QVERIFY(text(about, "Label2").contains(QLatin1Char('@')));
        auto* ok = about.findChild<QPushButton*>(QStringLiteral("cmdOK"));
        QVERIFY(ok);
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QVERIFY(ok->isDefault());
    }

    void versionComesFromTheApplication() {
        QCoreApplication::setApplicationVersion(QStringLiteral("2.03.4"));
        QCOMPARE(frm_About::versionText(), QStringLiteral("Version 2.3.4"));
        QCoreApplication::setApplicationVersion(QString());
        QCOMPARE(frm_About::versionText(), QStringLiteral("Version 1.0.0"));
    }

    void fixedToolWindowAtItsStoredPlace() {
        frm_About about;
        QVERIFY(about.windowFlags() & Qt::Tool);
        QCOMPARE(about.minimumSize(), about.maximumSize());
        QCOMPARE(about.size(), kinmora::twips::toPixels(5730.0, 3555.0));
        const QPoint origin = QGuiApplication::primaryScreen()->geometry().topLeft();
        QCOMPARE(about.pos(),
                 origin + QPoint(kinmora::twips::toPixelsX(2340), kinmora::twips::toPixelsY(1815)));
    }

    void enterPressesOk() {
        frm_About about;
        about.show();
        QTest::keyClick(&about, Qt::Key_Return);
        QVERIFY(!about.isVisible());
        QCOMPARE(about.result(), int(QDialog::Accepted));
    }

    void escPressesOk() {
        frm_About about;
        about.show();
        QTest::keyClick(&about, Qt::Key_Escape);
        QVERIFY(!about.isVisible());
        QCOMPARE(about.result(), int(QDialog::Accepted));
    }

    void okCloses() {
        frm_About about;
        about.show();
        QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
        QVERIFY(!about.isVisible());
    }
};

QTEST_MAIN(FrmAboutTest)
#include "frm_About_test.moc"
