// Combo1: what the user's typing and choosing leave as the selected index.
#include "app/side_selector.h"

#include <QLineEdit>
#include <QtTest>

using kinmora::SideSelector;

namespace {

// Types `text` a character at a time; QTest::keyClicks takes Latin letters only.
void type(QWidget* widget, const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

}  // namespace

class SideSelectorTest : public QObject {
    Q_OBJECT

private slots:
    void typingLeavesNoItemSelected_data();
    void typingLeavesNoItemSelected();
    void choosingAfterTypingSelectsAgain();
    void typedTextIsNeverAdded();
};

void SideSelectorTest::typingLeavesNoItemSelected_data() {
    QTest::addColumn<int>("startIndex");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::newRow("letter after the father's item") << 0 << "x"
                                                    << " แสดงญาติฝ่ายบิดาx";
    QTest::newRow("letter after the mother's item") << 1 << "y"
                                                    << " แสดงญาติฝ่ายมารดาy";
    QTest::newRow("Thai letters") << 0 << "แม่"
                                  << " แสดงญาติฝ่ายบิดาแม่";
}

void SideSelectorTest::typingLeavesNoItemSelected() {
    QFETCH(int, startIndex);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    SideSelector selector;
    selector.show();
    selector.setCurrentIndex(startIndex);
    type(selector.lineEdit(), keys);
    QCOMPARE(selector.currentIndex(), -1);
    QCOMPARE(selector.currentText(), text);
    QCOMPARE(selector.lineEdit()->cursorPosition(), text.size());
}

void SideSelectorTest::choosingAfterTypingSelectsAgain() {
    SideSelector selector;
    selector.show();
    type(selector.lineEdit(), QStringLiteral("ab"));
    selector.setCurrentIndex(1);
    QCOMPARE(selector.currentIndex(), 1);
    QCOMPARE(selector.currentText(), QStringLiteral(" แสดงญาติฝ่ายมารดา"));
    // Deleting a letter is typing too.
    QTest::keyClick(selector.lineEdit(), Qt::Key_Backspace);
    QCOMPARE(selector.currentIndex(), -1);
    QCOMPARE(selector.currentText(), QStringLiteral(" แสดงญาติฝ่ายมารด"));
}

void SideSelectorTest::typedTextIsNeverAdded() {
    SideSelector selector;
    selector.show();
    selector.lineEdit()->selectAll();
    type(selector.lineEdit(), QStringLiteral("ฝ่ายใหม่"));
    QTest::keyClick(selector.lineEdit(), Qt::Key_Return);
    QCOMPARE(selector.count(), 2);
    QCOMPARE(selector.currentIndex(), -1);
    QCOMPARE(selector.currentText(), QStringLiteral("ฝ่ายใหม่"));
}

QTEST_MAIN(SideSelectorTest)
#include "side_selector_test.moc"
