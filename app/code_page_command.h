// The "รหัสอักษร" choices of the toolbar's "more" menu: read the open file's
// text as Thai, as Western European, or as the file itself suggests, and
// remember the choice for that file.
#pragma once

#include <QObject>

class QActionGroup;

namespace kinmora {

class MainWindow;

class CodePageCommand : public QObject {
    Q_OBJECT

public:
    // Adds the choices to `main`'s "more" menu, after a separator; they are
    // enabled whenever the menu opens with a file open, the open file's
    // choice checked.
    explicit CodePageCommand(MainWindow& main);

    // Reads the open file again with `codePage` (0: by the file), remembers
    // the choice and draws the first person's chart; a failure or a cancel
    // keeps the file as it was open. Never throws.
    void choose(int codePage);

private:
    MainWindow& m_main;
    QActionGroup* m_choices = nullptr;
};

}  // namespace kinmora
