// A message box at least as wide as its title needs, with room for the
// window manager's buttons: a short message such as "NOT FOUND" would
// otherwise leave the title cut down to "…".
#pragma once

#include <QMessageBox>

namespace kinmora {

// Without a meta-object of its own: to the rest of the program it is a QMessageBox.
class TitledMessageBox : public QMessageBox {
public:
    TitledMessageBox(Icon icon, const QString& title, const QString& text,
                     StandardButtons buttons = NoButton, QWidget* parent = nullptr);

    // The least width that shows `title` whole in a title bar, in pixels.
    int titleWidth() const;

protected:
    void showEvent(QShowEvent* event) override;
};

}  // namespace kinmora
