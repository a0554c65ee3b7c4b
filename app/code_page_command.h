// One of the "รหัสอักษร" choices of the "เพิ่มเติม" menu: read the open file's
// text as Thai, as Western European, or as the file itself suggests, and
// remember the choice for that file.
#pragma once

#include "app/command.h"

namespace kinmora {

class CodePageCommand : public Command {
    Q_OBJECT

public:
    // The choice of `codePage` (0 follows the file), named "code-page-N".
    CodePageCommand(MainWindow& window, int codePage, const QString& caption);

    // Offered while a file is open; checked when it is the file's choice.
    bool isAvailable() const override;
    // Reads the open file again with this code page beside the window, and
    // applies it once the user has seen how the names read.
    void run() override;

private:
    int m_codePage;
};

}  // namespace kinmora
