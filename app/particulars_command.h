// "ข้อมูล": the particulars of the person selected in the chart, or of the one picked last.
#pragma once

#include "app/command.h"

namespace kinmora {

class ParticularsCommand : public Command {
    Q_OBJECT

public:
    explicit ParticularsCommand(MainWindow& window);

    bool isAvailable() const override;
    void run() override;
    // Shows the particulars of the person named `name` and remembers the
    // name as the one picked; the busy cursor is set and the window ends it.
    void showFor(const QString& name);
};

}  // namespace kinmora
