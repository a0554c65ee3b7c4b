// What the open window and the search dialog share: a tool window over the
// main window, and buttons that Enter and Esc do not press.
#pragma once

#include <QDialog>

class QPushButton;

namespace kinmora {

class CommandDialog : public QDialog {
    Q_OBJECT

protected:
    // A tool window named `objectName`, `width` × `height` twips in all, in
    // the dialogs' Thai font.
    CommandDialog(QWidget* parent, const QString& objectName, const QString& title, int width,
                  int height);

    // A button named `objectName` placed at twips (x, y), width × height.
    // No button is a default or cancel button: Enter and Esc press none.
    QPushButton* addButton(const QString& objectName, const QString& text, int x, int y, int width,
                           int height);

    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace kinmora
