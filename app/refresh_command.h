// "ปรับปรุง": the chart drawn again around the person selected in it.
#pragma once

#include "app/command.h"

namespace kinmora {

class RefreshCommand : public Command {
    Q_OBJECT

public:
    explicit RefreshCommand(MainWindow& window);

    bool isAvailable() const override;
    void run() override;
};

}  // namespace kinmora
