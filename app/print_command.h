// "พิมพ์ผัง...": the chart shown, printed on the printer the user chooses.
#pragma once

#include <memory>

#include "app/picture_command.h"

class QPrinter;

namespace kinmora {

class PrintCommand : public PictureCommand {
    Q_OBJECT

public:
    explicit PrintCommand(MainWindow& window);

    void run() override;
    // Prints the chart shown on `printer` at full size, over as many pages
    // as it needs, beside the window; finished() tells the end.
    void printTo(std::shared_ptr<QPrinter> printer);
};

}  // namespace kinmora
