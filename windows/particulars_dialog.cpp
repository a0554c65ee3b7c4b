// Positions, colours and panels are the window's classic layout in twips;
// every text comes from data/person_particulars, which the command line shares.
#include "windows/particulars_dialog.h"

#include <QEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <exception>

#include "data/record_set.h"
#include "windows/chart_window.h"
#include "windows/thai_font.h"
#include "windows/tool_window.h"
#include "windows/twips.h"

namespace kinmora {
namespace {

const QColor kBackground(255, 224, 192);
const QColor kCream(252, 242, 209);
const QColor kPanelBorder(226, 196, 150);
const QColor kBlue(0, 0, 255);
const QColor kDarkGrey(64, 64, 64);

struct PanelTwips {
    double left, top, width, height;
};
// Shape1(0) to Shape1(8), in index order.
constexpr PanelTwips kPanels[] = {
    {240, 780, 3975, 390},   {240, 240, 7455, 390},  {4320, 780, 1215, 390},
    {240, 1320, 2655, 390},  {240, 1920, 7455, 390}, {240, 2520, 7455, 390},
    {240, 3120, 7455, 2895}, {240, 3120, 7455, 390}, {240, 5640, 7455, 390},
};
constexpr PanelTwips kCircle = {1515, 1425, 135, 135};  // Shape2

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

void setBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// The Thai fonts of Linux run wider than MS Sans Serif, for which the labels
// were sized; a label too narrow for its text grows to the right (into free
// space in this design) rather than cut the text off.
void showWhole(QLabel* label) {
    const int needed = label->fontMetrics().horizontalAdvance(label->text()) + 2;
    if (needed > label->width()) label->resize(needed, label->height());
}

}  // namespace

ParticularsDialog::ParticularsDialog(ChartWindow& main, RecordSet* persons,
                                     const QString& pickedName, std::optional<QDateTime> now)
    : QDialog(main.widget()), m_main(main) {
    setObjectName(QStringLiteral("ParticularsDialog"));
    setWindowTitle(QStringLiteral("ข้อมูล"));
    tool_window::setUp(this, 7935, 6210);
    setBackground(this, kBackground);
    setFont(thaiFont(9.75));
    createControls();

    const QString& name = pickedName;
    try {
        if (!persons)
            m_failure = QStringLiteral("ยังไม่ได้เปิดแฟ้มข้อมูล");
        else if (auto p =
                     loadParticulars(*persons, name, now.value_or(QDateTime::currentDateTime())))
            m_particulars = std::move(p);
        else
            m_failure = QStringLiteral("ไม่พบบุคคลชื่อ \"%1\" ในแฟ้มข้อมูล").arg(name);
    } catch (const std::exception& e) {
        m_failure =
            QStringLiteral("อ่านข้อมูลของ \"%1\" ไม่ได้\n\n%2").arg(name, QString::fromUtf8(e.what()));
    }
    if (m_particulars) fill(*m_particulars);
    for (QLabel* label : findChildren<QLabel*>()) showWhole(label);
    tool_window::centreOnScreen(this, main.widget());
}

void ParticularsDialog::showModal(ChartWindow& main, RecordSet* persons,
                                  const QString& pickedName) {
    ParticularsDialog note(main, persons, pickedName);
    if (!note.loaded()) {
        main.setBusyCursor(false);
        QMessageBox::information(main.widget(), QStringLiteral("ข้อมูล"), note.failure());
        return;
    }
    note.exec();
}

void ParticularsDialog::createControls() {
    auto label = [this](const char* objectName, const QString& text, double left, double top,
                        double width, double height) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QLatin1String(objectName));
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        twips::place(l, left, top, width, height);
        return l;
    };
    auto value = [&](const char* objectName, double left, double top, double width, double height) {
        QLabel* l = label(objectName, QString(), left, top, width, height);
        setTextColour(l, kBlue);
        return l;
    };

    QLabel* nameCaption = label("nameCaption", QStringLiteral("ชื่อ"), 345, 300, 285, 255);
    setTextColour(nameCaption, kDarkGrey);
    m_name = value("nameValue", 720, 300, 6780, 315);
    QLabel* surnameCaption = label("surnameCaption", QStringLiteral("สกุล"), 345, 840, 285, 255);
    setTextColour(surnameCaption, kDarkGrey);
    setBackground(surnameCaption, kCream);
    m_surname = value("surnameValue", 720, 840, 3300, 315);
    setBackground(m_surname, kCream);
    label("sexCaption", QStringLiteral("เพศ"), 4440, 840, 285, 255);
    m_sex = value("sexValue", 4815, 840, 495, 315);
    m_born = value("bornValue", 360, 1380, 1125, 315);
    m_born->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_died = value("diedValue", 1680, 1380, 1125, 315);
    m_died->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_age = value("ageValue", 3120, 1380, 1635, 315);
    setBackground(m_age, kBackground);
    label("fatherCaption", QStringLiteral("บิดา"), 345, 2000, 495, 255);
    m_father = value("fatherValue", 960, 1960, 6540, 315);
    label("motherCaption", QStringLiteral("มารดา"), 345, 2580, 495, 255);
    m_mother = value("motherValue", 960, 2580, 6540, 315);

    m_biography = new QPlainTextEdit(this);
    m_biography->setObjectName(QStringLiteral("biographyText"));
    m_biography->setReadOnly(true);
    m_biography->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_biography->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextColour(m_biography, kBlue);
    setBackground(m_biography, kCream);
    twips::place(m_biography, 480, 3360, 6975, 2415);
}

void ParticularsDialog::fill(const PersonParticulars& p) {
    m_name->setText(p.name);
    m_surname->setText(p.surname);
    m_sex->setText(p.sex);
    m_born->setText(p.born);
    m_died->setText(p.died);
    m_age->setText(p.age);
    m_father->setText(p.father);
    m_mother->setText(p.mother);
    m_biography->setPlainText(p.biography);
}

bool ParticularsDialog::event(QEvent* event) {
    // The opening command's hourglass ends once the window is up.
    if (event->type() == QEvent::WindowActivate) m_main.setBusyCursor(false);
    return QDialog::event(event);
}

void ParticularsDialog::showEvent(QShowEvent* event) {
    // Some window managers never activate a window shown offscreen or
    // without focus; showing it is enough to end the wait.
    m_main.setBusyCursor(false);
    QDialog::showEvent(event);
}

void ParticularsDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kPanelBorder, 1));
    painter.setBrush(kCream);
    const int radius = twips::toPixelsX(120);
    for (const PanelTwips& panel : kPanels) {
        const QRectF r = QRectF(twips::toPixels(panel.left, panel.top, panel.width, panel.height))
                             .adjusted(0.5, 0.5, -0.5, -0.5);
        painter.drawRoundedRect(r, radius, radius);
    }
    painter.setPen(QPen(kDarkGrey, 1));
    painter.setBrush(kDarkGrey);
    painter.drawEllipse(
        QRectF(twips::toPixels(kCircle.left, kCircle.top, kCircle.width, kCircle.height))
            .adjusted(0.5, 0.5, -0.5, -0.5));
}

}  // namespace kinmora
