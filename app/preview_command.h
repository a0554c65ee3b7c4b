// "ดูก่อนพิมพ์...": the chart shown, as it would be printed, in a preview
// from which it can be printed.
#pragma once

#include "app/picture_command.h"

namespace kinmora {

class PreviewCommand : public PictureCommand {
    Q_OBJECT

public:
    explicit PreviewCommand(MainWindow& window);

    void run() override;
};

}  // namespace kinmora
