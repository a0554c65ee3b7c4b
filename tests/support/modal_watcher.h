// Answers the modal windows a test runs into: each one is recorded and then
// handled by the test's action, or rejected when the test gives none. Polling
// is the one way in: a modal window runs its own event loop inside the code
// under test, and only timers reach into that loop.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <functional>

namespace kinmora::testing {

class ModalWatcher {
public:
    // What a modal window showed when it was met.
    struct Seen {
        QString className;  // e.g. "QMessageBox", "kinmora::ParticularsDialog"
        QString title;
        QString text;  // a message box's text or a prompt's label
        QString informativeText;
        QString detailedText;  // behind a message box's details button
    };
    using Action = std::function<void(QWidget*)>;

    // Watches from now until destroyed; `action` must close the window it is given.
    explicit ModalWatcher(Action action = &reject) : m_action(std::move(action)) {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start(10);
    }

    const QList<Seen>& seen() const { return m_seen; }
    QStringList classNames() const {
        QStringList names;
        for (const Seen& s : m_seen) names.append(s.className);
        return names;
    }

    // Rejects a dialog (a message box by its OK), closes any other window.
    static void reject(QWidget* window) {
        if (auto* dialog = qobject_cast<QDialog*>(window))
            dialog->reject();
        else
            window->close();
    }

private:
    void poll() {
        QWidget* window = QApplication::activeModalWidget();
        if (!window || !window->isVisible() || m_handled.contains(window)) return;
        m_handled.append(window);
        Seen seen;
        seen.className = QString::fromLatin1(window->metaObject()->className());
        seen.title = window->windowTitle();
        if (const auto* box = qobject_cast<QMessageBox*>(window)) {
            seen.text = box->text();
            seen.informativeText = box->informativeText();
            seen.detailedText = box->detailedText();
        } else if (const auto* prompt = qobject_cast<QInputDialog*>(window)) {
            seen.text = prompt->labelText();
        }
        m_seen.append(seen);
        m_action(window);
    }

    Action m_action;
    QTimer m_timer;
    QList<Seen> m_seen;
    QList<QPointer<QWidget>> m_handled;
};

}  // namespace kinmora::testing
