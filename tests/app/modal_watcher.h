// Answers the modal windows a test runs into: each one is recorded and then
// handled by the test's action, or rejected when the test gives none.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>

class QWidget;

namespace kinmora::testing {

class ModalWatcher : public QObject {
    Q_OBJECT

public:
    // What a modal window showed when it was met.
    struct Seen {
        QString className;  // e.g. "QMessageBox", "kinmora::frm_note"
        QString title;
        QString text;  // a message box's text or a prompt's label
    };
    using Action = std::function<void(QWidget*)>;

    // Watches from now until destroyed; `action` must close the window it is given.
    explicit ModalWatcher(Action action = {});

    const QList<Seen>& seen() const { return m_seen; }
    // The class names met, in order.
    QStringList classNames() const;

    // The default action: rejects a dialog (a message box by its OK), closes any other window.
    static void reject(QWidget* window);

private:
    void poll();

    Action m_action;
    QTimer m_timer;
    QList<Seen> m_seen;
    QList<QPointer<QWidget>> m_handled;
};

}  // namespace kinmora::testing
