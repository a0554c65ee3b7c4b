// "about" has no tooltip, yet a tool button shows its action's text when the
// action has none: such buttons swallow their tooltip event.
#include "app/command_tool_bar.h"

#include <QEvent>
#include <QMenu>
#include <QStyle>
#include <QToolButton>

#include "windows/twips.h"

namespace kinmora {
namespace {

constexpr double kHeightTwips = 870;

class NoToolTip : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::ToolTip; }
};

}  // namespace

CommandToolBar::CommandToolBar(QWidget* parent) : QToolBar(parent) {
    setObjectName(QStringLiteral("toolBar"));
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(32, 32));
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setFixedHeight(twips::toPixelsY(kHeightTwips));

    auto* button = new QToolButton(this);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    // A widget in a toolbar does not follow the toolbar's icon size.
    button->setIconSize(iconSize());
    button->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    button->setText(QStringLiteral("เพิ่มเติม"));
    button->setToolTip(QStringLiteral("ส่งออก พิมพ์ผัง และความเป็นญาติ"));
    m_moreMenu = new QMenu(button);
    m_moreMenu->setObjectName(QStringLiteral("moreMenu"));
    button->setMenu(m_moreMenu);
    button->setPopupMode(QToolButton::InstantPopup);
    m_more = addWidget(button);
    m_more->setObjectName(QStringLiteral("more"));
}

void CommandToolBar::addCommand(QAction* action) {
    const bool ownToolTip = !action->toolTip().isEmpty() && action->toolTip() != action->text();
    insertAction(m_more, action);
    if (!ownToolTip) widgetForAction(action)->installEventFilter(new NoToolTip(this));
}

void CommandToolBar::addSeparator() {
    insertSeparator(m_more);
}

void CommandToolBar::setMoreEnabled(bool enabled) {
    m_more->setEnabled(enabled);
}

QAction* CommandToolBar::entry(int index) const {
    const QList<QAction*> all = actions();
    return index >= 1 && index <= all.size() ? all[index - 1] : nullptr;
}

QToolButton* CommandToolBar::button(int index) const {
    QAction* action = entry(index);
    return action ? qobject_cast<QToolButton*>(widgetForAction(action)) : nullptr;
}

bool CommandToolBar::isEntryEnabled(int index) const {
    const QAction* action = entry(index);
    return action && action->isEnabled();
}

}  // namespace kinmora
