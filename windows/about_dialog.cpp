// The About window keeps the classic layout: title, version, designer and
// contact above an etched rule, OK below it.
#include "windows/about_dialog.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVersionNumber>

#include "windows/thai_font.h"
#include "windows/tool_window.h"
#include "windows/twips.h"

#ifndef KINMORA_VERSION
#define KINMORA_VERSION "1.0.0"
#endif

namespace kinmora {
namespace {

// The application title, as the program's project names it.
const QString kAppTitle = QStringLiteral("Kinmora");
const QString kDesigner = QStringLiteral("Kinmora developers");
const QString kContact = QStringLiteral("kinmora@example.org");

QLabel* makeLabel(QWidget* parent, const char* objectName, const QString& text, double left,
                  double top, double width, double height) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(objectName));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    twips::place(label, left, top, width, height);
    return label;
}

QLabel* black(QLabel* label) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    return label;
}

}  // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutDialog"));
    tool_window::setUp(this, 5730, 3555);
    // The window's default font, which the version label and the OK button keep.
    setFont(thaiFont(8.25));

    QLabel* title = black(makeLabel(this, "titleLabel", QString(), 1171, 240, 1605, 480));
    title->setFont(thaiFont(8.25, true));
    QLabel* version = makeLabel(this, "versionLabel", QString(), 1171, 780, 3885, 225);
    black(makeLabel(this, "designerCaption", QStringLiteral("ออกแบบ :"), 270, 1320, 855, 285))
        ->setFont(thaiFont(9.75, true));
    black(makeLabel(this, "designerLabel", kDesigner, 1171, 1320, 2685, 290))
        ->setFont(thaiFont(9.75));
    black(makeLabel(this, "contactCaption", QStringLiteral("ติดต่อ :"), 447, 1680, 615, 285))
        ->setFont(thaiFont(9.75, true));
    black(makeLabel(this, "contactLabel", kContact, 1171, 1680, 2655, 290))
        ->setFont(thaiFont(9.75));

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("okButton"));
    twips::place(m_ok, 4245, 2760, 1260, 345);
    m_ok->setDefault(true);
    m_ok->setFocus();
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    // Load: caption, version, title, in that order.
    setWindowTitle(QStringLiteral("About ") + kAppTitle);
    version->setText(versionText());
    title->setText(kAppTitle);

    tool_window::placeOnScreen(this, parent, 2340, 1815);
}

void AboutDialog::showModal(QWidget* parent) {
    AboutDialog about(parent);
    about.exec();
}

QString AboutDialog::versionText() {
    QString text = QCoreApplication::applicationVersion();
    if (text.isEmpty()) text = QStringLiteral(KINMORA_VERSION);
    const QVersionNumber number = QVersionNumber::fromString(text);
    return QStringLiteral("Version %1.%2.%3")
        .arg(number.majorVersion())
        .arg(number.minorVersion())
        .arg(number.microVersion());
}

void AboutDialog::keyPressEvent(QKeyEvent* event) {
    // the OK button is the cancel button too: Esc presses it rather than rejecting.
    if (event->matches(QKeySequence::Cancel)) {
        m_ok->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void AboutDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    // Line1(1), grey and one pixel, above Line1(0), white and two twips wide
    // (at least a pixel): one etched rule.
    painter.setPen(QPen(QColor(128, 128, 128), 1));
    painter.drawLine(twips::toPixelsX(90), twips::toPixelsY(2445), twips::toPixelsX(5654),
                     twips::toPixelsY(2445));
    const int greyY = twips::toPixelsY(2445);
    int whiteY = twips::toPixelsY(2460);
    if (whiteY <= greyY) whiteY = greyY + 1;
    painter.setPen(QPen(Qt::white, 1));
    painter.drawLine(twips::toPixelsX(105), whiteY, twips::toPixelsX(5654), whiteY);
}

}  // namespace kinmora
