// The action carries the command's key as its object name, so that tests
// and the toolbar find an entry by what it does.
#include "app/command.h"

#include <QAction>

#include "app/main_window.h"

namespace kinmora {

Command::Command(MainWindow& window, const QString& key, const QString& caption)
    : QObject(&window), m_window(window), m_action(new QAction(caption, this)) {
    m_action->setObjectName(key);
    connect(m_action, &QAction::triggered, this, &Command::run);
}

}  // namespace kinmora
