// The main window's toolbar: the commands' actions with their captions under
// their icons, addressed by place with separators counted, and after them
// the "เพิ่มเติม" entry whose menu holds the commands that hand the family on.
#pragma once

#include <QToolBar>

class QAction;
class QMenu;
class QToolButton;

namespace kinmora {

class CommandToolBar : public QToolBar {
    Q_OBJECT

public:
    // The eight entries by place, separators counted.
    static constexpr int kEntries = 8;
    static constexpr int kOpenEntry = 1;
    static constexpr int kSearchEntry = 3;
    static constexpr int kRefreshEntry = 4;
    static constexpr int kNoteEntry = 5;
    static constexpr int kAboutEntry = 7;
    static constexpr int kExitEntry = 8;
    // The "เพิ่มเติม" entry after them.
    static constexpr int kMoreEntry = kEntries + 1;

    // An empty bar holding only the "เพิ่มเติม" entry.
    explicit CommandToolBar(QWidget* parent = nullptr);

    // Adds `action` before "เพิ่มเติม", its caption under its icon. An action
    // without a tooltip of its own shows none.
    void addCommand(QAction* action);
    // Adds a separator before "เพิ่มเติม".
    void addSeparator();
    QMenu* moreMenu() const { return m_moreMenu; }
    void setMoreEnabled(bool enabled);

    // The action at place `index` (1 for the first), separators counted;
    // null outside the bar.
    QAction* entry(int index) const;
    // The button showing the action at `index`; null for a separator.
    QToolButton* button(int index) const;
    // Whether the entry at `index` is enabled; false outside the bar.
    bool isEntryEnabled(int index) const;

private:
    QMenu* m_moreMenu = nullptr;
    QAction* m_more = nullptr;
};

}  // namespace kinmora
