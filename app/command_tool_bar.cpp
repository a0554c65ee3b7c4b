// The buttons are plain QToolButtons rather than QActions: an action always
// shows its caption as a tooltip, and "about" has none.
#include "app/command_tool_bar.h"

#include <QMenu>
#include <QStyle>
#include <QToolButton>

#include "app/tool_bar_icons.h"
#include "windows/twips.h"

namespace kinmora {
namespace {

struct Design {
    const char* key;  // null for a separator
    const char* caption;
    const char* toolTip;
    int image;  // index into ToolBarIcons
    bool enabled;
};

constexpr Design kDesign[CommandToolBar::kEntries] = {
    {"open", "เปิด", "เปิดแฟ้มข้อมูล", 1, true},
    {nullptr, nullptr, nullptr, 0, true},
    {"Search", "ค้นหา", "ค้นข้อความจากชื่อ-สกุล", 2, false},
    {"refresh", "ปรับปรุง", "ปรับปรุงผังจากตัวเลือก", 3, false},
    {"note", "ข้อมูล", "ข้อมูลส่วนบุคคล", 4, false},
    {nullptr, nullptr, nullptr, 0, true},
    {"about", "กถา", "", 5, true},
    {"exit", "ออก", "ออกจากโปรแกรม", 6, true},
};

constexpr double kHeightTwips = 870;

}  // namespace

CommandToolBar::CommandToolBar(QWidget* parent) : QToolBar(parent) {
    setObjectName(QStringLiteral("toolBar"));
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(32, 32));
    setFixedHeight(twips::toPixelsY(kHeightTwips));
    for (const Design& d : kDesign) {
        if (!d.key) {
            m_entries.push_back({QString(), addSeparator(), nullptr});
            continue;
        }
        auto* button = new QToolButton(this);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setAutoRaise(true);
        // A widget in a toolbar does not follow the toolbar's icon size.
        button->setIconSize(iconSize());
        button->setIcon(ToolBarIcons::icon(d.image));
        button->setText(QString::fromUtf8(d.caption));
        button->setToolTip(QString::fromUtf8(d.toolTip));
        button->setEnabled(d.enabled);
        const QString key = QString::fromUtf8(d.key);
        connect(button, &QToolButton::clicked, this, [this, key] { emit buttonClick(key); });
        m_entries.push_back({key, addWidget(button), button});
    }
    addMoreEntry();
}

void CommandToolBar::addMoreEntry() {
    auto* button = new QToolButton(this);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    button->setIconSize(iconSize());
    button->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    button->setText(QStringLiteral("เพิ่มเติม"));
    button->setToolTip(QStringLiteral("ส่งออก พิมพ์ผัง และความเป็นญาติ"));
    m_moreMenu = new QMenu(button);
    m_moreMenu->setObjectName(QStringLiteral("moreMenu"));
    button->setMenu(m_moreMenu);
    button->setPopupMode(QToolButton::InstantPopup);
    m_entries.push_back({QStringLiteral("more"), addWidget(button), button});
}

const CommandToolBar::Entry* CommandToolBar::entry(int index) const {
    if (index < 1 || index > static_cast<int>(m_entries.size())) return nullptr;
    return &m_entries[index - 1];
}

void CommandToolBar::setButtonEnabled(int index, bool enabled) {
    if (const Entry* e = entry(index))
        e->button ? e->button->setEnabled(enabled) : e->action->setEnabled(enabled);
}

bool CommandToolBar::isButtonEnabled(int index) const {
    const Entry* e = entry(index);
    if (!e) return false;
    // The state set on the entry itself, whether or not the window is disabled.
    return e->button ? e->button->isEnabledTo(this) : e->action->isEnabled();
}

QString CommandToolBar::key(int index) const {
    const Entry* e = entry(index);
    return e ? e->key : QString();
}

QToolButton* CommandToolBar::button(int index) const {
    const Entry* e = entry(index);
    return e ? e->button : nullptr;
}

}  // namespace kinmora
