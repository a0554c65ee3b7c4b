// "เปิด": the user picks a family file in the open window, and it is opened.
#pragma once

#include "app/command.h"

namespace kinmora {

class OpenCommand : public Command {
    Q_OBJECT

public:
    explicit OpenCommand(MainWindow& window);

    bool isAvailable() const override;
    void run() override;

private:
    // Shows the open window on `folder` with `file` selected (the program's
    // folder when empty).
    void ask(const QString& folder, const QString& file);
};

}  // namespace kinmora
