// A printer may be painted on from any thread; the dialog that chose it
// stays on this one.
#include "app/print_command.h"

#include <QAction>
#include <QPrintDialog>
#include <QPrinter>

#include "app/main_window.h"
#include "picture/chart_picture.h"
#include "picture/pdf_text_map.h"
#include "picture/picture_writer.h"

namespace kinmora {

PrintCommand::PrintCommand(MainWindow& window)
    : PictureCommand(window, QStringLiteral("printChart"), QStringLiteral("พิมพ์ผัง...")) {}

void PrintCommand::run() {
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer->setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(printer.get(), &m_window);
    dialog.setWindowTitle(QStringLiteral("พิมพ์ผัง"));
    if (dialog.exec() == QDialog::Accepted) printTo(printer);
}

void PrintCommand::printTo(std::shared_ptr<QPrinter> printer) {
    withPicture(
        [printer](const ChartPicture& picture, JobControl&) {
            PictureWriter(picture).paintPages(*printer, true);
            // Printed to a PDF file, the names must read back as they were written.
            if (printer->outputFormat() == QPrinter::PdfFormat &&
                !printer->outputFileName().isEmpty() &&
                !restoreThaiTextInFile(printer->outputFileName()))
                throw PictureError(printer->outputFileName().toStdString() +
                                   ": could not be written");
        },
        {}, QStringLiteral("พิมพ์ผังไม่ได้"));
}

}  // namespace kinmora
