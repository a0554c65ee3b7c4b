// One command of the main window: its action, shown on the toolbar or in the
// "เพิ่มเติม" menu, what it does, and when it may run.
#pragma once

#include <QObject>
#include <QString>

class QAction;
class QIcon;

namespace kinmora {

class MainWindow;

class Command : public QObject {
    Q_OBJECT

public:
    // An action named `key` with `caption` as its text, owned by the command.
    Command(MainWindow& window, const QString& key, const QString& caption);

    QAction* action() const { return m_action; }
    // Whether the command can run in the window's present state; the window
    // asks every command at once whenever its state changes.
    virtual bool isAvailable() const = 0;
    // Runs the command; the action's trigger calls it. Never throws.
    virtual void run() = 0;

protected:
    MainWindow& m_window;

private:
    QAction* m_action;
};

}  // namespace kinmora
