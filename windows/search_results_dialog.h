// The name search dialog: the user picks one hit line, and the chart is
// rebuilt around the person named at its start.
#pragma once

#include <QCollator>
#include <QStringList>

#include "windows/command_dialog.h"

class QListWidget;
class QPushButton;

namespace kinmora {

class SearchResultsDialog : public CommandDialog {
    Q_OBJECT

public:
    // The list holds `hits` in Thai order, the first line selected.
    SearchResultsDialog(QWidget* parent, const QStringList& hits);

    // The name part of a hit line: the text up to the first run of ten
    // spaces, without leading and trailing spaces ("" for an empty text).
    static QString nameOfHitLine(const QString& hitLine);

    // The list keeps its lines in Thai order without regard to case.
    void clear();
    void addItem(const QString& line);
    QStringList lines() const;
    // The selected line's position, -1 for none.
    int currentRow() const;
    void setCurrentRow(int row);

    // OK: keeps the selected line's name (see pickedName) and closes, accepted.
    void confirm();
    // Cancel: closes, rejected.
    void cancel();
    // The name of the line chosen with OK; "" before.
    const QString& pickedName() const { return m_pickedName; }

private:
    QCollator m_collator;
    QListWidget* m_list = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    QString m_pickedName;
};

}  // namespace kinmora
