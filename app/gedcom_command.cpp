// The file names the family file it came from and when it was made.
#include "app/gedcom_command.h"

#include <QAction>
#include <QDateTime>
#include <QFileInfo>

#include "app/living_choice.h"
#include "app/main_window.h"
#include "data/family_database.h"
#include "export/export_file.h"
#include "export/gedcom_writer.h"
#include "windows/fitted_file_dialog.h"

namespace kinmora {

GedcomCommand::GedcomCommand(MainWindow& window)
    : ExportCommand(window, QStringLiteral("saveGedcom"), QStringLiteral("บันทึกเป็น GEDCOM…")) {
    action()->setToolTip(QStringLiteral("บันทึกครอบครัวเป็นแฟ้ม GEDCOM สำหรับโปรแกรมลำดับญาติอื่น"));
}

void GedcomCommand::run() {
    QString path = fittedSaveFileName(&m_window, QStringLiteral("บันทึกครอบครัวเป็นแฟ้ม GEDCOM"),
                                      proposedPath(QStringLiteral(".ged")),
                                      QStringLiteral("แฟ้ม GEDCOM (*.ged)"));
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".ged");
    if (const auto living =
            askLivingDetails(&m_window, QStringLiteral("แฟ้ม GEDCOM"), LivingDetails::Full))
        saveTo(path, *living);
}

void GedcomCommand::saveTo(const QString& path, LivingDetails living) {
    start(QStringLiteral("กำลังบันทึกเป็น GEDCOM…"), QStringLiteral("บันทึกครอบครัวเป็นแฟ้ม GEDCOM แล้ว"),
          {path},
          [path, living](const QString& source, const ReadOptions& options,
                         const Progress& progress) {
              std::unique_ptr<FamilyDatabase> database = FamilyDatabase::open(source, options);
              const GedcomWriter writer(*database, LivingRule(living, QDate::currentDate()));
              ExportFile::write(path, [&](QIODevice& out) {
                  writer.write(out, QFileInfo(source).fileName(), QDateTime::currentDateTime(),
                               progress);
              });
          });
}

}  // namespace kinmora
