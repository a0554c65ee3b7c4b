// "บันทึกเป็น GEDCOM...": the open family saved as a GEDCOM file for other
// genealogy programs.
#pragma once

#include "app/export_command.h"
#include "data/living_rule.h"

namespace kinmora {

class GedcomCommand : public ExportCommand {
    Q_OBJECT

public:
    explicit GedcomCommand(MainWindow& window);

    void run() override;
    // Writes the open family to `path` beside the window, the living as
    // `living` says; exportFinished() tells the end.
    void saveTo(const QString& path, LivingDetails living = LivingDetails::Full);
};

}  // namespace kinmora
