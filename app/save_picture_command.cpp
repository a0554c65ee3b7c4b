// The file is written whole or not at all: the writers replace it only
// once everything is in.
#include "app/save_picture_command.h"

#include <QAction>
#include <QFileInfo>

#include "app/living_choice.h"
#include "app/main_window.h"
#include "picture/chart_picture.h"
#include "picture/picture_writer.h"
#include "windows/failure_message.h"
#include "windows/fitted_file_dialog.h"
#include "windows/program.h"
#include "windows/saved_message.h"

namespace kinmora {
namespace {

constexpr int kImageDpi = 150;

bool isPictureSuffix(const QString& suffix) {
    return suffix == QLatin1String("pdf") || suffix == QLatin1String("svg") ||
           suffix == QLatin1String("png");
}

}  // namespace

SavePictureCommand::SavePictureCommand(MainWindow& window)
    : PictureCommand(window, QStringLiteral("saveChartPicture"), QStringLiteral("บันทึกผังเป็นภาพ…")) {}

void SavePictureCommand::run() {
    const auto& shown = m_window.shownChart();
    if (!shown) return;
    const QString pdf = QStringLiteral("PDF (*.pdf)");
    const QString svg = QStringLiteral("SVG (*.svg)");
    const QString png = QStringLiteral("PNG (*.png)");
    QString filter = pdf;
    QString path = fittedSaveFileName(
        &m_window, QStringLiteral("บันทึกผังเป็นภาพ"), shown->centre + QStringLiteral(".pdf"),
        pdf + QStringLiteral(";;") + svg + QStringLiteral(";;") + png, &filter);
    if (path.isEmpty()) return;
    // A name without a known extension takes the chosen type's.
    if (!isPictureSuffix(QFileInfo(path).suffix().toLower()))
        path += filter == svg   ? QStringLiteral(".svg")
                : filter == png ? QStringLiteral(".png")
                                : QStringLiteral(".pdf");
    if (const auto living =
            askLivingDetails(&m_window, QStringLiteral("ภาพผัง"), LivingDetails::Full))
        saveTo(path, *living);
}

void SavePictureCommand::saveTo(const QString& path, LivingDetails living) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (!isPictureSuffix(suffix)) {
        FailureMessage(QStringLiteral("บันทึกผังไม่ได้"),
                       QStringLiteral("ชื่อแฟ้มต้องลงท้ายด้วย .pdf, .svg หรือ .png"))
            .file(path)
            .exec(&m_window, program::title());
        emit finished(false);
        return;
    }
    withPicture(
        [path, suffix](const ChartPicture& picture, JobControl&) {
            const PictureWriter writer(picture);
            if (suffix == QLatin1String("pdf"))
                writer.writePdf(path, {});
            else if (suffix == QLatin1String("svg"))
                writer.writeSvg(path);
            else
                writer.writePng(path, kImageDpi);
        },
        [this, path] {
            SavedMessage::exec(&m_window, program::title(), QStringLiteral("บันทึกผังเป็นภาพแล้ว"),
                               {path});
        },
        QStringLiteral("บันทึกผังไม่ได้"), living);
}

}  // namespace kinmora
