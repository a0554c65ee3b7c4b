// The toolbar: the main window's eight command entries, addressed by index with
// separators counted, each button raising its key when clicked; after them a
// ninth entry whose drop-down menu holds the commands that hand the family on.
#pragma once

#include <QString>
#include <QToolBar>
#include <vector>

class QMenu;
class QToolButton;

namespace kinmora {

class CommandToolBar : public QToolBar {
    Q_OBJECT

public:
    static constexpr int kEntries = 8;
    // The entries by name, separators counted.
    static constexpr int kOpenEntry = 1;
    static constexpr int kSearchEntry = 3;
    static constexpr int kRefreshEntry = 4;
    static constexpr int kNoteEntry = 5;
    static constexpr int kAboutEntry = 7;
    static constexpr int kExitEntry = 8;
    // The drop-down entry after the eight: always enabled; each command in
    // its menu enables itself when the menu opens.
    static constexpr int kMoreEntry = kEntries + 1;

    // The entries "open", separator, "Search", "refresh", "note", separator,
    // "about", "exit", with Thai captions under the icons of ToolBarIcons;
    // only "open", "about" and "exit" enabled; then the "more" drop-down.
    explicit CommandToolBar(QWidget* parent = nullptr);

    // Enables or disables entry `index` (1 to 9); other indexes change nothing.
    void setButtonEnabled(int index, bool enabled);
    // Whether entry `index` is enabled; false outside 1 to 9.
    bool isButtonEnabled(int index) const;
    // The key of entry `index`; empty for a separator or an index outside 1 to 9.
    QString key(int index) const;
    // The button of entry `index`; null for a separator or an index outside 1 to 9.
    QToolButton* button(int index) const;
    // The drop-down menu of the "more" entry, where commands add their actions.
    QMenu* moreMenu() const { return m_moreMenu; }

signals:
    // ButtonClick: the user clicked the enabled button keyed `key` (the
    // "more" entry opens its menu instead).
    void buttonClick(const QString& key);

private:
    struct Entry {
        QString key;
        QAction* action;      // the entry's place in the bar
        QToolButton* button;  // null for a separator
    };
    const Entry* entry(int index) const;

    void addMoreEntry();

    std::vector<Entry> m_entries;
    QMenu* m_moreMenu = nullptr;
};

}  // namespace kinmora
