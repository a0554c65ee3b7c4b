// The name search dialog: the user picks one hit line, and the chart is
// rebuilt around the person named at its start.
#pragma once

#include <QCollator>
#include <QStringList>

#include "windows/command_dialog.h"

class QListWidget;
class QPushButton;

namespace kinmora {

class ChartWindow;

class SearchResultsDialog : public CommandDialog {
    Q_OBJECT

public:
    explicit SearchResultsDialog(ChartWindow& main);

    // What the toolbar's Search command calls once it has hits (with the busy
    // cursor set): fills the list with `hits`, selects the first line and shows
    // the dialog modally. Returns when the dialog has closed.
    static void showModal(ChartWindow& main, const QStringList& hits);

    // The name part of a hit line: the text up to the first run of ten
    // spaces, without leading and trailing spaces ("" for an empty text).
    static QString nameOfHitLine(const QString& hitLine);

    // the list: AddItem keeps the lines in Thai order without regard to case.
    void clear();
    void addItem(const QString& line);
    QStringList lines() const;
    // ListIndex: the selected line's position, -1 for none.
    int currentRow() const;
    void setCurrentRow(int row);

    // OK: rebuilds the chart around the selected line's name and closes.
    void confirm();
    // Cancel: restores the main window's cursor and closes.
    void cancel();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QCollator m_collator;
    QListWidget* m_list = nullptr;    // the list
    QPushButton* m_ok = nullptr;      // Command1
    QPushButton* m_cancel = nullptr;  // Command2
};

}  // namespace kinmora
