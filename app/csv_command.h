// "บันทึกเป็น CSV...": the open family saved as two CSV files for
// spreadsheets, the persons and the couples.
#pragma once

#include "app/export_command.h"
#include "data/living_rule.h"

namespace kinmora {

class CsvCommand : public ExportCommand {
    Q_OBJECT

public:
    explicit CsvCommand(MainWindow& window);

    void run() override;
    // Writes the persons to `familyPath` and the couples to `marriedPath`
    // beside the window, the living as `living` says; exportFinished() tells the end.
    void saveTo(const QString& familyPath, const QString& marriedPath,
                LivingDetails living = LivingDetails::Full);
    // The file the married table goes to when the family table goes to `familyPath`.
    static QString marriedPathFor(const QString& familyPath);
};

}  // namespace kinmora
