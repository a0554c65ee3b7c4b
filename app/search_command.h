// "ค้นหา": everyone whose name or surname holds a text, one of whom the user picks to chart.
#pragma once

#include "app/command.h"

namespace kinmora {

class SearchCommand : public Command {
    Q_OBJECT

public:
    explicit SearchCommand(MainWindow& window);

    bool isAvailable() const override;
    void run() override;

private:
    void showHits(const QStringList& hits);
};

}  // namespace kinmora
