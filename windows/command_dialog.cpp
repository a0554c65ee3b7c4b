// Both dialogs are modal over the main window; what they chose is asked of them once they close.
#include "windows/command_dialog.h"

#include <QKeyEvent>
#include <QPushButton>

#include "windows/thai_font.h"
#include "windows/tool_window.h"
#include "windows/twips.h"

namespace kinmora {

CommandDialog::CommandDialog(QWidget* parent, const QString& objectName, const QString& title,
                             int width, int height)
    : QDialog(parent) {
    setObjectName(objectName);
    setWindowTitle(title);
    tool_window::setUp(this, width, height);
    setFont(thaiFont(9.75));
}

QPushButton* CommandDialog::addButton(const QString& objectName, const QString& text, int x, int y,
                                      int width, int height) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    button->setDefault(false);
    twips::place(button, x, y, width, height);
    return button;
}

void CommandDialog::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel) || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace kinmora
