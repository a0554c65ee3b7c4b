// Answers the message boxes a dialog shows while a test drives it, and keeps
// what they said.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>

namespace kinmora::testing {

struct CaughtMessage {
    QString title;
    QString text;
    QString informativeText;
    QMessageBox::StandardButtons buttons;
};

class MessageCatcher {
public:
    // Watches for message boxes from now until the catcher is destroyed.
    MessageCatcher() {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start(10);
    }

    QList<CaughtMessage> messages;

private:
    void poll() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (!box || !box->isVisible()) continue;
            messages.append(
                {box->windowTitle(), box->text(), box->informativeText(), box->standardButtons()});
            QAbstractButton* button = box->button(QMessageBox::Ok);
            if (button)
                button->click();
            else
                box->reject();
        }
    }

    QTimer m_timer;
};

// Calls `action` once the event loop runs again, e.g. inside a dialog's exec().
inline void later(std::function<void()> action) {
    QTimer::singleShot(0, std::move(action));
}

}  // namespace kinmora::testing
