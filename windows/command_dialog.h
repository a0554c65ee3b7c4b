// What the open window and the search dialog share: the main window they
// serve, buttons that Enter and Esc do not press, and a chart rebuild that
// cannot throw.
#pragma once

#include <QDialog>

class QPushButton;

namespace kinmora {

class ChartWindow;

class CommandDialog : public QDialog {
    Q_OBJECT

protected:
    // A tool window named `objectName`, `width` × `height` twips in all, in
    // the dialogs' Thai font.
    CommandDialog(ChartWindow& main, const QString& objectName, const QString& title, int width,
                  int height);

    // A button named `objectName` placed at twips (x, y), width × height.
    // No button is a default or cancel button: Enter and Esc press none.
    QPushButton* addButton(const QString& objectName, const QString& text, int x, int y, int width,
                           int height);

    void keyPressEvent(QKeyEvent* event) override;

    // Rebuilds the chart around `name`; a failure is shown over this dialog
    // instead of crossing Qt's event loop, and ends the busy cursors.
    void rebuildChart(const QString& name);

    ChartWindow& m_main;
};

}  // namespace kinmora
