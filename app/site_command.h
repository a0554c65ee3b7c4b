// "สร้างเว็บไซต์ครอบครัว…": the open family written as a website into a
// folder, for relatives to open on their phones.
#pragma once

#include "app/export_command.h"
#include "data/living_rule.h"

namespace kinmora {

class SiteCommand : public ExportCommand {
    Q_OBJECT

public:
    explicit SiteCommand(MainWindow& window);

    void run() override;
    // Writes the website into the folder `dir` beside the window, the living
    // as `living` says; exportFinished() tells the end.
    void saveTo(const QString& dir, LivingDetails living = LivingDetails::Names);
};

}  // namespace kinmora
