// Qt's own dialogs read in Thai once the program's translation is installed:
// the contexts and source texts of qt_th.ts are the ones Qt 6.4 looks up, so
// the file, print, preview, message and input dialogs show no English.
#include <QAbstractButton>
#include <QAction>
#include <QFileDialog>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTest>
#include <QTranslator>
#include <functional>
#include <memory>

namespace {

// Every text a person can read on `widget`: labels, buttons, group titles,
// and the actions' names and tooltips.
QStringList textsOf(const QWidget& widget) {
    QStringList texts;
    for (const QLabel* label : widget.findChildren<QLabel*>()) texts << label->text();
    for (const QAbstractButton* button : widget.findChildren<QAbstractButton*>())
        texts << button->text() << button->toolTip();
    for (const QGroupBox* group : widget.findChildren<QGroupBox*>()) texts << group->title();
    for (const QAction* action : widget.findChildren<QAction*>())
        texts << action->text() << action->toolTip();
    texts.removeAll(QString());
    return texts;
}

}  // namespace

class QtThaiTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(m_translator.load(QStringLiteral(":/translations/qt_th.qm")));
        QCoreApplication::installTranslator(&m_translator);
    }

    void dialogsShowTheirOwnTextsInThai() {
        QPrinter printer;
        struct Case {
            std::function<std::unique_ptr<QWidget>()> make;
            QStringList thai;
            QStringList english;
        };
        const Case cases[] = {
            {[] {
                 auto dialog = std::make_unique<QFileDialog>();
                 dialog->setOption(QFileDialog::DontUseNativeDialog);
                 dialog->setAcceptMode(QFileDialog::AcceptSave);
                 return dialog;
             },
             {"ดูใน:", "ชื่อแฟ้ม(&N):", "ชนิดแฟ้ม:", "บันทึก(&S)", "ยกเลิก", "ย้อนกลับ", "สร้างโฟลเดอร์ใหม่"},
             {"Look in:", "File &name:", "Files of type:", "Cancel", "Back"}},
            {[&printer] { return std::make_unique<QPrintPreviewDialog>(&printer); },
             {"หน้าถัดไป", "หน้าก่อน", "พอดีความกว้าง", "ขยาย", "แนวนอน", "ตั้งค่าหน้ากระดาษ", "พิมพ์"},
             {"Next page", "Fit width", "Zoom in", "Page setup", "Print"}},
            {[&printer] { return std::make_unique<QPrintDialog>(&printer); },
             {"เครื่องพิมพ์", "ช่วงที่พิมพ์", "จำนวนชุด:", "ยกเลิก"},
             {"Printer", "Print range", "Copies:", "Cancel"}},
            {[] {
                 auto box = std::make_unique<QMessageBox>(
                     QMessageBox::Warning, QStringLiteral("Kinmora"), QStringLiteral("ข้อความ"),
                     QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No);
                 box->setDetailedText(QStringLiteral("รายละเอียด"));
                 return box;
             },
             {"ตกลง", "ยกเลิก", "ใช่(&Y)", "ไม่(&N)", "รายละเอียด…"},
             {"OK", "Cancel", "&Yes", "Show Details..."}},
            {[] {
                 auto dialog = std::make_unique<QInputDialog>();
                 dialog->sizeHint();  // makes its buttons
                 return dialog;
             },
             {"ตกลง", "ยกเลิก"},
             {"OK", "Cancel"}},
        };
        for (const Case& c : cases) {
            const std::unique_ptr<QWidget> widget = c.make();
            const QString name = QLatin1String(widget->metaObject()->className());
            const QStringList texts = textsOf(*widget);
            for (const QString& thai : c.thai)
                QVERIFY2(texts.contains(thai),
                         qPrintable(name + ": no " + thai + " in " + texts.join(QLatin1Char('|'))));
            for (const QString& english : c.english)
                QVERIFY2(!texts.contains(english), qPrintable(name + ": " + english));
        }
    }

private:
    QTranslator m_translator;
};

QTEST_MAIN(QtThaiTest)
#include "qt_th_test.moc"
