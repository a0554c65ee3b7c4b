// Toolbar1: the main window's eight command entries, addressed by index with
// separators counted, each button raising its key when clicked.
#pragma once

#include <QString>
#include <QToolBar>
#include <vector>

class QToolButton;

namespace kinmora {

class CommandToolBar : public QToolBar {
    Q_OBJECT

public:
    static constexpr int kEntries = 8;

    // The entries "open", separator, "Search", "refresh", "note", separator,
    // "about", "exit", with Thai captions under the icons of ImageList3;
    // only "open", "about" and "exit" enabled.
    explicit CommandToolBar(QWidget* parent = nullptr);

    // Enables or disables entry `index` (1 to 8); other indexes change nothing.
    void setButtonEnabled(int index, bool enabled);
    // Whether entry `index` is enabled; false outside 1 to 8.
    bool isButtonEnabled(int index) const;
    // The key of entry `index`; empty for a separator or an index outside 1 to 8.
    QString key(int index) const;
    // The button of entry `index`; null for a separator or an index outside 1 to 8.
    QToolButton* button(int index) const;

signals:
    // ButtonClick: the user clicked the enabled button keyed `key`.
    void buttonClick(const QString& key);

private:
    struct Entry {
        QString key;
        QAction* action;      // the entry's place in the bar
        QToolButton* button;  // null for a separator
    };
    const Entry* entry(int index) const;

    std::vector<Entry> m_entries;
};

}  // namespace kinmora
