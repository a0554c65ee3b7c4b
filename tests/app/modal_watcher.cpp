// Polling is the one way in: a modal window runs its own event loop inside
// the code under test, and only timers reach into that loop.
#include "modal_watcher.h"

#include <QApplication>
#include <QDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QStringList>

namespace kinmora::testing {

ModalWatcher::ModalWatcher(Action action) : m_action(std::move(action)) {
    if (!m_action) m_action = &ModalWatcher::reject;
    connect(&m_timer, &QTimer::timeout, this, &ModalWatcher::poll);
    m_timer.start(10);
}

QStringList ModalWatcher::classNames() const {
    QStringList names;
    for (const Seen& s : m_seen) names.append(s.className);
    return names;
}

void ModalWatcher::reject(QWidget* window) {
    if (auto* dialog = qobject_cast<QDialog*>(window))
        dialog->reject();
    else
        window->close();
}

void ModalWatcher::poll() {
    QWidget* window = QApplication::activeModalWidget();
    if (!window || !window->isVisible() || m_handled.contains(window)) return;
    m_handled.append(window);
    Seen seen{QString::fromLatin1(window->metaObject()->className()), window->windowTitle(), {}};
    if (const auto* box = qobject_cast<QMessageBox*>(window))
        seen.text = box->text();
    else if (const auto* prompt = qobject_cast<QInputDialog*>(window))
        seen.text = prompt->labelText();
    m_seen.append(seen);
    m_action(window);
}

}  // namespace kinmora::testing
