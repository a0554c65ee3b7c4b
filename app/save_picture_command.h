// "บันทึกผังเป็นภาพ...": the chart shown, saved as a PDF, SVG or PNG file.
#pragma once

#include "app/picture_command.h"
#include "data/living_rule.h"

namespace kinmora {

class SavePictureCommand : public PictureCommand {
    Q_OBJECT

public:
    explicit SavePictureCommand(MainWindow& window);

    void run() override;
    // Saves the chart shown as `path`, its type taken from the extension
    // (.pdf one page, .svg, .png at 150 dpi), beside the window; finished()
    // tells the end. A name with another extension is refused with a message.
    // The dates of the living are left out when `living` says names.
    void saveTo(const QString& path, LivingDetails living = LivingDetails::Full);
};

}  // namespace kinmora
