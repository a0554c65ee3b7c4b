// "กถา": the About window.
#pragma once

#include "app/command.h"

namespace kinmora {

class AboutCommand : public Command {
    Q_OBJECT

public:
    explicit AboutCommand(MainWindow& window);

    bool isAvailable() const override;
    void run() override;
};

}  // namespace kinmora
