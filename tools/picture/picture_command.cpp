// The chart is the one `kinmora-cli chart` prints for the same words; only
// the output differs.
#include "picture_command.h"

#include <QFileInfo>

#include "chart_command.h"
#include "living_option.h"
#include "picture/chart_picture.h"
#include "picture/person_facts.h"
#include "picture/picture_writer.h"

namespace kinmora::cli {
namespace {

constexpr int kDefaultDpi = 150;

PictureWriter::Pages pagesFrom(const CliArguments& args) {
    PictureWriter::Pages pages;
    pages.tiles = args.has(QStringLiteral("--tiles"));
    const QString paper = args.option(QStringLiteral("--paper")).toUpper();
    if (paper == QLatin1String("A4"))
        pages.paper = QPageSize::A4;
    else if (paper == QLatin1String("A3"))
        pages.paper = QPageSize::A3;
    else if (!paper.isEmpty())
        throw UsageError("--paper takes A4 or A3");
    // Tiles without a paper are A4, the paper every home printer takes.
    if (pages.tiles && !pages.paper) pages.paper = QPageSize::A4;
    return pages;
}

int dpiFrom(const CliArguments& args) {
    if (!args.has(QStringLiteral("--dpi"))) return kDefaultDpi;
    bool ok = false;
    const int dpi = args.option(QStringLiteral("--dpi")).toInt(&ok);
    if (!ok || dpi < 1 || dpi > 2400) throw UsageError("--dpi takes a whole number from 1 to 2400");
    return dpi;
}

}  // namespace

int runPicture(const CliArguments& args, QTextStream& err) {
    if (!args.has(QStringLiteral("--output"))) throw UsageError("missing -o OUT.pdf|.svg|.png");
    const QString out = args.option(QStringLiteral("--output"));
    const QString type = QFileInfo(out).suffix().toLower();
    if (type != QLatin1String("pdf") && type != QLatin1String("svg") &&
        type != QLatin1String("png"))
        throw UsageError("-o must name a .pdf, .svg or .png file");
    const bool paged = args.has(QStringLiteral("--paper")) || args.has(QStringLiteral("--tiles"));
    if (paged && type != QLatin1String("pdf"))
        throw UsageError("--paper and --tiles are for a .pdf");
    if (args.has(QStringLiteral("--dpi")) && type != QLatin1String("png"))
        throw UsageError("--dpi is for a .png");
    // Options are checked before the file is read, so a mistake costs nothing.
    const PictureWriter::Pages pages = pagesFrom(args);
    const int dpi = dpiFrom(args);

    const std::unique_ptr<RequestedChart> chart = buildRequestedChart(args, err);
    if (!chart) return 1;
    const ChartPicture picture = ChartPicture::layOut(
        chart->tree, PersonFacts::load(*chart->database, livingRule(args, LivingDetails::Full)),
        {chart->side});
    const PictureWriter writer(picture);
    if (type == QLatin1String("pdf"))
        writer.writePdf(out, pages);
    else if (type == QLatin1String("svg"))
        writer.writeSvg(out);
    else
        writer.writePng(out, dpi);
    return 0;
}

}  // namespace kinmora::cli
