// kinmora-picture-bench FOLDER CLI [--repetitions N]: `kinmora-cli picture`
// as whole processes on the benchmark families of FOLDER: the largest chart
// of each to PDF (time, size, peak memory) and to PNG at 150 dpi (time).
// Prints the table for bench/README.md.
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <string>

#include "process_measure.h"

using namespace kinmora::bench;

namespace {

struct Figures {
    double pdfSeconds = 0;
    double pdfMegabytes = 0;
    double pdfPeakMegabytes = 0;
    double pngSeconds = 0;
    bool pngRefused = false;  // the image would be too large to hold
};

Figures measure(const std::string& cli, const std::string& folder, int persons, int repetitions) {
    const std::string family = folder + "/family-" + std::to_string(persons) + ".mdb";
    QFile centreFile(
        QString::fromStdString(folder + "/family-" + std::to_string(persons) + ".centre"));
    centreFile.open(QIODevice::ReadOnly);
    const std::string centre = QString::fromUtf8(centreFile.readAll()).trimmed().toStdString();
    const std::string pdf = folder + "/picture-" + std::to_string(persons) + ".pdf";
    const std::string png = folder + "/picture-" + std::to_string(persons) + ".png";
    std::vector<double> pdfTimes, pngTimes;
    Figures f;
    for (int i = 0; i < repetitions; ++i) {
        const ProcessRun run = runProcess({cli, "picture", family, "--name", centre, "-o", pdf});
        if (run.status != 0)
            std::fprintf(stderr, "kinmora-cli picture failed on %s\n", family.c_str());
        pdfTimes.push_back(run.seconds);
        f.pdfPeakMegabytes = std::max(f.pdfPeakMegabytes, run.peakResidentKb / 1024.0);
        const ProcessRun image =
            runProcess({cli, "picture", family, "--name", centre, "-o", png, "--dpi", "150"});
        f.pngRefused = image.status != 0;
        pngTimes.push_back(image.seconds);
    }
    f.pdfSeconds = median(pdfTimes);
    f.pngSeconds = median(pngTimes);
    f.pdfMegabytes = QFileInfo(QString::fromStdString(pdf)).size() / 1e6;
    return f;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: kinmora-picture-bench FOLDER CLI [--repetitions N]\n");
        return 2;
    }
    const std::string folder = argv[1];
    const std::string cli = argv[2];
    int repetitions = 5;
    if (argc >= 5 && std::string(argv[3]) == "--repetitions")
        repetitions = std::max(1, std::atoi(argv[4]));
    std::printf(
        "\n| persons | picture to PDF (ms) | PDF (MB) | peak memory (MB) | picture to PNG, 150 dpi "
        "(ms) |\n");
    std::printf("|---|---|---|---|---|\n");
    for (int persons : {1000, 5000, 32767}) {
        const Figures f = measure(cli, folder, persons, repetitions);
        std::printf("| %d | %.0f | %.1f | %.1f | %.0f%s |\n", persons, f.pdfSeconds * 1000,
                    f.pdfMegabytes, f.pdfPeakMegabytes, f.pngSeconds * 1000,
                    f.pngRefused ? " (refused: too large)" : "");
    }
    return 0;
}
