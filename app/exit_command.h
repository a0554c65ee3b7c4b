// "ออก": close the main window, which ends the program.
#pragma once

#include "app/command.h"

namespace kinmora {

class ExitCommand : public Command {
    Q_OBJECT

public:
    explicit ExitCommand(MainWindow& window);

    bool isAvailable() const override;
    void run() override;
};

}  // namespace kinmora
