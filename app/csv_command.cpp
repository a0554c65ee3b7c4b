// The married table's file stands beside the family table's, named after it.
#include "app/csv_command.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

#include "app/living_choice.h"
#include "app/main_window.h"
#include "export/export_file.h"
#include "export/family_csv_export.h"
#include "windows/fitted_file_dialog.h"

namespace kinmora {

CsvCommand::CsvCommand(MainWindow& window)
    : ExportCommand(window, QStringLiteral("saveCsv"), QStringLiteral("บันทึกเป็น CSV…")) {
    action()->setToolTip(QStringLiteral("บันทึกตารางบุคคลและตารางคู่สมรสเป็นแฟ้ม CSV สองแฟ้ม"));
}

QString CsvCommand::marriedPathFor(const QString& familyPath) {
    const QFileInfo info(familyPath);
    QString stem = info.completeBaseName();
    if (stem.endsWith(QLatin1String("-family")))
        stem.chop(6);
    else
        stem += QLatin1Char('-');
    return info.dir().filePath(stem + QStringLiteral("married.") +
                               (info.suffix().isEmpty() ? QStringLiteral("csv") : info.suffix()));
}

void CsvCommand::run() {
    QString path = fittedSaveFileName(
        &m_window, QStringLiteral("บันทึกครอบครัวเป็นแฟ้ม CSV"), proposedPath(QStringLiteral(".csv")),
        QStringLiteral("แฟ้ม CSV (*.csv)"), nullptr,
        QStringLiteral("ตารางบุคคลจะอยู่ในแฟ้มที่ตั้งชื่อนี้ ส่วนตารางคู่สมรสจะอยู่ในแฟ้มข้างกันที่ชื่อลงท้ายด้วย "
                       "\"-married\" เช่น ครอบครัว.csv และ ครอบครัว-married.csv"));
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".csv");
    if (const auto living =
            askLivingDetails(&m_window, QStringLiteral("แฟ้ม CSV"), LivingDetails::Full))
        saveTo(path, marriedPathFor(path), *living);
}

void CsvCommand::saveTo(const QString& familyPath, const QString& marriedPath,
                        LivingDetails living) {
    start(QStringLiteral("กำลังบันทึกเป็น CSV…"), QStringLiteral("บันทึกครอบครัวเป็นแฟ้ม CSV แล้ว"),
          {familyPath, marriedPath},
          [familyPath, marriedPath, living](const QString& source, const ReadOptions& options,
                                            const Progress& progress) {
              FamilyCsvExport tables(source, options);
              tables.keepPrivate(LivingRule(living, QDate::currentDate()));
              const qint64 family = tables.familyRows();
              const qint64 total = family + tables.marriedRows();
              ExportFile::write(familyPath, [&](QIODevice& out) {
                  tables.writeFamily(out,
                                     [&](qint64 done, qint64) { return progress(done, total); });
              });
              ExportFile::write(marriedPath, [&](QIODevice& out) {
                  tables.writeMarried(
                      out, [&](qint64 done, qint64) { return progress(family + done, total); });
              });
          });
}

}  // namespace kinmora
