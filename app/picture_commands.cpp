// The picture is drawn from the chart as the window shows it: built again
// around the same person on the same side, which gives the same nodes. The
// side selector may have changed since; it takes effect only at the next build.
#include "app/picture_commands.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "app/command_tool_bar.h"
#include "app/family_session.h"
#include "app/main_window.h"
#include "chart/chart_builder.h"
#include "chart/chart_tree.h"
#include "picture/chart_picture.h"
#include "picture/pdf_text_map.h"
#include "picture/person_facts.h"
#include "picture/picture_writer.h"

namespace kinmora {
namespace {

constexpr int kImageDpi = 150;

// Shows the busy cursor while a picture is drawn or written.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};

}  // namespace

PictureCommands::PictureCommands(MainWindow& window) : QObject(&window), m_window(window) {
    QMenu* menu = window.toolBar()->moreMenu();
    menu->addSeparator();
    m_print = menu->addAction(QStringLiteral("พิมพ์ผัง..."), this, &PictureCommands::print);
    m_preview = menu->addAction(QStringLiteral("ดูก่อนพิมพ์..."), this, &PictureCommands::preview);
    m_save = menu->addAction(QStringLiteral("บันทึกผังเป็นภาพ..."), this, &PictureCommands::save);
    m_print->setObjectName(QStringLiteral("printChart"));
    m_preview->setObjectName(QStringLiteral("previewChart"));
    m_save->setObjectName(QStringLiteral("saveChartPicture"));
    connect(menu, &QMenu::aboutToShow, this, &PictureCommands::updateEnabled);
    updateEnabled();
}

PictureCommands::~PictureCommands() = default;

void PictureCommands::updateEnabled() {
    const bool shown = m_window.shownChart().has_value() && FamilySession::instance().isOpen();
    for (QAction* action : {m_print, m_preview, m_save}) action->setEnabled(shown);
}

std::unique_ptr<ChartPicture> PictureCommands::pictureOfShownChart() {
    const auto& shown = m_window.shownChart();
    if (!shown || !FamilySession::instance().isOpen()) return nullptr;
    try {
        BusyCursor busy;
        ChartTree tree;
        ChartBuilder builder(FamilySession::instance().database(), tree);
        if (builder.build(shown->centre, shown->side) != ChartBuilder::Outcome::Built)
            throw std::runtime_error("nobody in the file has the chart's name any more");
        return std::make_unique<ChartPicture>(
            ChartPicture::layOut(tree, PersonFacts::load(FamilySession::instance().database())));
    } catch (const std::exception& error) {
        showError(QStringLiteral("วาดผังของ \"%1\" ไม่ได้").arg(shown->centre), error);
        return nullptr;
    }
}

bool PictureCommands::printTo(QPrinter& printer) {
    const std::unique_ptr<ChartPicture> picture = pictureOfShownChart();
    if (!picture) return false;
    try {
        BusyCursor busy;
        PictureWriter(*picture).paintPages(printer, true);
        // Printed to a PDF file, the names must read back as they were written.
        if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty() &&
            !restoreThaiTextInFile(printer.outputFileName()))
            throw PictureError(printer.outputFileName().toStdString() + ": could not be written");
        return true;
    } catch (const std::exception& error) {
        showError(QStringLiteral("พิมพ์ผังไม่ได้"), error);
        return false;
    }
}

void PictureCommands::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, &m_window);
    dialog.setWindowTitle(QStringLiteral("พิมพ์ผัง"));
    if (dialog.exec() == QDialog::Accepted) printTo(printer);
}

void PictureCommands::preview() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintPreviewDialog dialog(&printer, &m_window);
    dialog.setWindowTitle(QStringLiteral("ดูก่อนพิมพ์"));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* p) { printTo(*p); });
    dialog.exec();
}

void PictureCommands::save() {
    const auto& shown = m_window.shownChart();
    if (!shown) return;
    const QString pdf = QStringLiteral("PDF (*.pdf)");
    const QString svg = QStringLiteral("SVG (*.svg)");
    const QString png = QStringLiteral("PNG (*.png)");
    QString filter = pdf;
    QString path = QFileDialog::getSaveFileName(
        &m_window, QStringLiteral("บันทึกผังเป็นภาพ"), shown->centre + QStringLiteral(".pdf"),
        pdf + QStringLiteral(";;") + svg + QStringLiteral(";;") + png, &filter);
    if (path.isEmpty()) return;
    // A name without a known extension takes the chosen type's.
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("pdf") && suffix != QLatin1String("svg") &&
        suffix != QLatin1String("png"))
        path += filter == svg   ? QStringLiteral(".svg")
                : filter == png ? QStringLiteral(".png")
                                : QStringLiteral(".pdf");
    saveTo(path);
}

bool PictureCommands::saveTo(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("pdf") && suffix != QLatin1String("svg") &&
        suffix != QLatin1String("png")) {
        showError(
            QStringLiteral("บันทึกผังไม่ได้"),
            std::runtime_error(path.toStdString() + ": the name must end in .pdf, .svg or .png"));
        return false;
    }
    const std::unique_ptr<ChartPicture> picture = pictureOfShownChart();
    if (!picture) return false;
    try {
        BusyCursor busy;
        const PictureWriter writer(*picture);
        if (suffix == QLatin1String("pdf"))
            writer.writePdf(path, {});
        else if (suffix == QLatin1String("svg"))
            writer.writeSvg(path);
        else
            writer.writePng(path, kImageDpi);
        return true;
    } catch (const std::exception& error) {
        showError(QStringLiteral("บันทึกผังไม่ได้"), error);
        return false;
    }
}

void PictureCommands::showError(const QString& what, const std::exception& error) {
    QMessageBox::warning(&m_window, QStringLiteral("Kinmora"),
                         what + QStringLiteral("\n\n") + QString::fromUtf8(error.what()));
}

}  // namespace kinmora
