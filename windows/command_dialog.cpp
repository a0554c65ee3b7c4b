// Both dialogs are modal over the main window and act on it through ChartWindow.
#include "windows/command_dialog.h"

#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <exception>

#include "windows/chart_window.h"
#include "windows/thai_font.h"
#include "windows/tool_window.h"
#include "windows/twips.h"

namespace kinmora {

CommandDialog::CommandDialog(ChartWindow& main, const QString& objectName, const QString& title,
                             int width, int height)
    : QDialog(main.widget()), m_main(main) {
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

void CommandDialog::rebuildChart(const QString& name) {
    try {
        m_main.showChart(name);
    } catch (const std::exception& e) {
        unsetCursor();
        m_main.setBusyCursor(false);
        QMessageBox::warning(
            this, windowTitle(),
            QStringLiteral("สร้างผังของ \"%1\" ไม่ได้\n\n%2").arg(name, QString::fromUtf8(e.what())));
    }
}

}  // namespace kinmora
