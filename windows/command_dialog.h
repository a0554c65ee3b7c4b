// What the open window and the search dialog share: the main window they
// serve, keys that press no button, and a chart rebuild that cannot throw.
#pragma once

#include <QDialog>

namespace kinmora {

class MainWindow;

class CommandDialog : public QDialog {
    Q_OBJECT

protected:
    explicit CommandDialog(MainWindow& main);

    // Neither button is a default or cancel button: Enter and Esc press neither.
    void keyPressEvent(QKeyEvent* event) override;

    // Rebuilds the chart around `name`; a failure is shown over this dialog
    // instead of crossing Qt's event loop, and ends the busy cursors.
    void rebuildChart(const QString& name);

    MainWindow& m_main;
};

}  // namespace kinmora
