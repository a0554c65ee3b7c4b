// The picture is laid out beside the window; the preview then paints its
// pages on demand, as a print preview must, on this thread.
#include "app/preview_command.h"

#include <QAction>
#include <QPrinter>
#include <memory>

#include "app/main_window.h"
#include "picture/chart_picture.h"
#include "picture/picture_writer.h"
#include "windows/fitted_print_preview_dialog.h"

namespace kinmora {

PreviewCommand::PreviewCommand(MainWindow& window)
    : PictureCommand(window, QStringLiteral("previewChart"), QStringLiteral("ดูก่อนพิมพ์...")) {}

void PreviewCommand::run() {
    auto laidOut = std::make_shared<std::unique_ptr<ChartPicture>>();
    withPicture([laidOut](const ChartPicture& picture,
                          JobControl&) { *laidOut = std::make_unique<ChartPicture>(picture); },
                [this, laidOut] {
                    QPrinter printer(QPrinter::HighResolution);
                    printer.setPageOrientation(QPageLayout::Landscape);
                    FittedPrintPreviewDialog dialog(&printer, &m_window);
                    dialog.setWindowTitle(QStringLiteral("ดูก่อนพิมพ์"));
                    connect(
                        &dialog, &QPrintPreviewDialog::paintRequested, this,
                        [laidOut](QPrinter* p) { PictureWriter(**laidOut).paintPages(*p, true); });
                    dialog.exec();
                },
                QStringLiteral("ดูผังก่อนพิมพ์ไม่ได้"));
}

}  // namespace kinmora
