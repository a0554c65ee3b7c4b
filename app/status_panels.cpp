// Panel 1 takes the room panel 2 leaves; its text, which can be long while a
// chart is built, never widens the window.
#include "app/status_panels.h"

#include <QLabel>

#include "windows/twips.h"

namespace kinmora {
namespace {

constexpr double kHeightTwips = 375;
constexpr double kFirstMinimumTwips = 1440;
constexpr double kSecondWidthTwips = 1600;

QLabel* makePanel(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    // The progress text puts a name between "<" and ">": a name such as
    // "Li" must not be taken for markup.
    label->setTextFormat(Qt::PlainText);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setIndent(4);
    return label;
}

}  // namespace

StatusPanels::StatusPanels(QWidget* parent)
    : QStatusBar(parent),
      m_first(makePanel(this, QStringLiteral("ไม่มีข้อมูล"))),
      m_second(makePanel(this, QStringLiteral("พุทธศักราช 2544"))) {
    setObjectName(QStringLiteral("statusPanels"));
    setFixedHeight(twips::toPixelsY(kHeightTwips));
    m_first->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_first->setMinimumWidth(twips::toPixelsX(kFirstMinimumTwips));
    m_second->setFixedWidth(twips::toPixelsX(kSecondWidthTwips));
    addWidget(m_first, 1);
    addPermanentWidget(m_second);
}

QLabel* StatusPanels::panel(int index) const {
    return index == 1 ? m_first : index == 2 ? m_second : nullptr;
}

void StatusPanels::setPanelText(int index, const QString& text) {
    if (QLabel* label = panel(index)) label->setText(text);
}

QString StatusPanels::panelText(int index) const {
    const QLabel* label = panel(index);
    return label ? label->text() : QString();
}

}  // namespace kinmora
