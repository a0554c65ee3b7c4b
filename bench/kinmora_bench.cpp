// kinmora-bench: the program's speed and memory on generated families of
// 1,000, 5,000 and 32,767 persons in three shapes (long notes, compact,
// mixed), each figure also given as a ratio to what a plain table dump of
// the same file costs (mdb-export of both tables).
//
//   kinmora-bench FOLDER CLI [--repetitions N]
//
// FOLDER holds SHAPE-N.mdb and SHAPE-N.centre (the name of the person with
// the largest chart) for the shapes family (long notes), compact and mixed,
// as bench/run writes them; CLI is the kinmora-cli to measure.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTreeWidget>
#include <cstdio>
#include <map>
#include <memory>

#include "app/chart_tree_widget.h"
#include "app/family_session.h"
#include "app/main_window.h"
#include "data/family_database.h"
#include "data/family_queries.h"
#include "data/name_search.h"
#include "process_measure.h"
#include "windows/particulars_dialog.h"

namespace kinmora::bench {
namespace {

const int kSizes[] = {1000, 5000, 32767};
// The file name's first word for each shape of family, and the shape's name in the table.
const std::pair<const char*, const char*> kShapes[] = {
    {"family", "long notes"}, {"compact", "compact"}, {"mixed", "mixed"}};
// A family is numbered shape * kShapeStep + persons in the benchmarks' arguments.
constexpr int kShapeStep = 100000;
// Hits about one person in twenty of a generated family: a given name and a surname contain it.
const QString kSearchText = QStringLiteral("สมบ");

QString g_folder;
std::string g_cli;
int g_repetitions = 7;

// The file of family `id` (shape * kShapeStep + persons) without its extension.
QString familyStem(int id) {
    return g_folder + QStringLiteral("/%1-%2")
                          .arg(QLatin1String(kShapes[id / kShapeStep].first))
                          .arg(id % kShapeStep);
}

QString familyPath(int id) {
    return familyStem(id) + QStringLiteral(".mdb");
}

QString centreName(int id) {
    QFile file(familyStem(id) + QStringLiteral(".centre"));
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll()).trimmed();
}

std::unique_ptr<MainWindow> g_window;

// The main window, with family `id` open in it.
MainWindow& windowOver(int id) {
    std::unique_ptr<MainWindow>& window = g_window;
    static int open = 0;
    if (!window) window = std::make_unique<MainWindow>();
    if (open != id) {
        FamilySession::instance().setDatabase(FamilyDatabase::open(familyPath(id)));
        open = id;
    }
    return *window;
}

// The first person in name order whose name finds a person with both parents known.
QString personWithBothParents() {
    RecordSet& rs = FamilySession::instance().persons();
    for (rs.first(); !rs.atEnd(); rs.next()) {
        if (rs.field(QStringLiteral("fathercode")).toText() == QLatin1String("0") ||
            rs.field(QStringLiteral("mothercode")).toText() == QLatin1String("0"))
            continue;
        const QString name = rs.field(QStringLiteral("name")).toText();
        RecordSet probe = rs;
        probe.findFirst(criteria::nameEquals(name));
        if (probe.field(QStringLiteral("code")) == rs.field(QStringLiteral("code"))) return name;
    }
    return {};
}

int treeSize(const QTreeWidget& tree) {
    int count = 0;
    std::vector<QTreeWidgetItem*> stack;
    for (int i = 0; i < tree.topLevelItemCount(); ++i) stack.push_back(tree.topLevelItem(i));
    while (!stack.empty()) {
        QTreeWidgetItem* item = stack.back();
        stack.pop_back();
        ++count;
        for (int i = 0; i < item->childCount(); ++i) stack.push_back(item->child(i));
    }
    return count;
}

// The window goes before the application object does.
void closeWindow() {
    g_window.reset();
    FamilySession::instance().close();
}

void BM_Open(benchmark::State& state) {
    const QString path = familyPath(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto database = FamilyDatabase::open(path);
        benchmark::DoNotOptimize(database->persons().field(QStringLiteral("name")));
        // Closing is not part of opening.
        state.PauseTiming();
        database.reset();
        state.ResumeTiming();
    }
}

// The window's own road from the open window's OK: read the file on the
// reading thread, open the record sets, draw the first person's chart, and
// paint the window with it.
void BM_WindowOpen(benchmark::State& state) {
    const QString path = familyPath(static_cast<int>(state.range(0)));
    MainWindow& window = windowOver(static_cast<int>(state.range(0)));
    window.show();
    for (auto _ : state) {
        if (!window.openFile(path)) state.SkipWithError("the file did not open");
        benchmark::DoNotOptimize(window.grab());
    }
}

void chart(benchmark::State& state, bool largest) {
    const int id = static_cast<int>(state.range(0));
    MainWindow& window = windowOver(id);
    RecordSet& rs = FamilySession::instance().persons();
    rs.first();
    const QString name = largest ? centreName(id) : rs.field(QStringLiteral("name")).toText();
    for (auto _ : state) window.showChart(name);
    state.counters["nodes"] = treeSize(*window.chartTree());
}

void BM_FirstChart(benchmark::State& state) {
    chart(state, false);
}
void BM_LargestChart(benchmark::State& state) {
    chart(state, true);
}

void BM_Search(benchmark::State& state) {
    windowOver(static_cast<int>(state.range(0)));
    RecordSet& rs = FamilySession::instance().persons();
    double hits = 0;
    for (auto _ : state) hits = static_cast<double>(searchHits(rs, kSearchText).size());
    state.counters["hits_percent"] = 100.0 * hits / rs.recordCount();
}

void BM_Particulars(benchmark::State& state) {
    MainWindow& window = windowOver(static_cast<int>(state.range(0)));
    FamilySession::instance().pickedName = personWithBothParents();
    for (auto _ : state) {
        ParticularsDialog note(window, &FamilySession::instance().persons(),
                               FamilySession::instance().pickedName);
        benchmark::DoNotOptimize(note.loaded());
    }
}

// Keeps the median of every benchmark, in milliseconds, and its counters.
class MedianCollector : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.aggregate_name == "median") {
                medians[run.run_name.str()] = run.GetAdjustedRealTime();
                for (const auto& [name, counter] : run.counters)
                    counters[run.run_name.str() + "/" + name] = counter.value;
            }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> medians;
    std::map<std::string, double> counters;
};

struct ProcessFigures {
    double dumpSeconds;  // mdb-export family and married, one after the other
    double dumpCpuSeconds;
    double cliSeconds;  // kinmora-cli chart FILE
    double cliCpuSeconds;
    long cliLargestPeakKb;
};

ProcessFigures measureProcesses(int id) {
    const std::string path = familyPath(id).toStdString();
    std::vector<double> dump, dumpCpu, cli, cliCpu;
    long peak = 0;
    for (int i = 0; i < g_repetitions; ++i) {
        const ProcessRun family = runProcess({"mdb-export", path, "family"});
        const ProcessRun married = runProcess({"mdb-export", path, "married"});
        dump.push_back(family.seconds + married.seconds);
        dumpCpu.push_back(family.cpuSeconds + married.cpuSeconds);
        const ProcessRun chart = runProcess({g_cli, "chart", path});
        cli.push_back(chart.seconds);
        cliCpu.push_back(chart.cpuSeconds);
        peak = std::max(peak,
                        runProcess({g_cli, "chart", path, "--name", centreName(id).toStdString()})
                            .peakResidentKb);
    }
    return {median(dump), median(dumpCpu), median(cli), median(cliCpu), peak};
}

void printProcessTable(const std::map<int, ProcessFigures>& processes) {
    std::printf(
        "\n| shape | persons | mdb-export (ms, CPU ms) | kinmora-cli chart (ms, CPU ms) | ratio "
        "(wall, CPU) | peak memory, largest chart (MB) |\n|---|---|---|---|---|---|\n");
    for (const auto& [id, process] : processes)
        std::printf("| %s | %d | %.0f (%.0f) | %.0f (%.0f) | %.2f, %.2f | %.1f |\n",
                    kShapes[id / kShapeStep].second, id % kShapeStep, process.dumpSeconds * 1000,
                    process.dumpCpuSeconds * 1000, process.cliSeconds * 1000,
                    process.cliCpuSeconds * 1000, process.cliSeconds / process.dumpSeconds,
                    process.cliCpuSeconds / process.dumpCpuSeconds,
                    process.cliLargestPeakKb / 1024.0);
}

void printTable(const MedianCollector& collected, const std::map<int, ProcessFigures>& processes) {
    std::printf(
        "\n| shape | persons | mdb-export (ms, CPU ms) | kinmora-cli chart (ms, CPU ms) | ratio "
        "(wall, CPU) | open (ms) | ratio | window open to first chart (ms) | first chart (ms) | "
        "largest chart (ms, nodes) | "
        "search (ms, hits) | particulars (ms) | peak memory, largest chart (MB) |\n");
    std::printf("|---|---|---|---|---|---|---|---|---|---|---|---|---|\n");
    for (const auto& [id, process] : processes) {
        const auto name = [&](const char* benchmark) {
            return std::string(benchmark) + "/" + std::to_string(id) +
                   "/repeats:" + std::to_string(g_repetitions);
        };
        const auto ms = [&](const char* benchmark) {
            return collected.medians.at(name(benchmark));
        };
        const auto counter = [&](const char* benchmark, const char* what) {
            return collected.counters.at(name(benchmark) + "/" + what);
        };
        const double dumpMs = process.dumpSeconds * 1000;
        std::printf(
            "| %s | %d | %.0f (%.0f) | %.0f (%.0f) | %.2f, %.2f | %.1f | %.2f | %.1f | %.2f | %.1f "
            "(%.0f) "
            "| %.2f (%.1f%%) | %.2f | %.1f |\n",
            kShapes[id / kShapeStep].second, id % kShapeStep, dumpMs, process.dumpCpuSeconds * 1000,
            process.cliSeconds * 1000, process.cliCpuSeconds * 1000,
            process.cliSeconds * 1000 / dumpMs, process.cliCpuSeconds / process.dumpCpuSeconds,
            ms("open"), ms("open") / dumpMs, ms("window_open"), ms("first_chart"),
            ms("largest_chart"), counter("largest_chart", "nodes"), ms("search"),
            counter("search", "hits_percent"), ms("particulars"),
            process.cliLargestPeakKb / 1024.0);
    }
}

}  // namespace
}  // namespace kinmora::bench

int main(int argc, char* argv[]) {
    using namespace kinmora::bench;
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: kinmora-bench FOLDER CLI [--repetitions N] [--processes-only]\n");
        return 2;
    }
    g_folder = QString::fromLocal8Bit(argv[1]);
    g_cli = argv[2];
    bool processesOnly = false;  // another build's kinmora-cli against mdb-export, nothing else
    for (int i = 3; i < argc; ++i) {
        if (std::string(argv[i]) == "--repetitions" && i + 1 < argc)
            g_repetitions = std::max(1, std::atoi(argv[++i]));
        else if (std::string(argv[i]) == "--processes-only")
            processesOnly = true;
    }
    // Whole processes are measured first, while this process is still small:
    // a child's peak resident size counts what it shared with this process
    // until it started its own program.
    std::vector<int> families;
    for (std::size_t shape = 0; shape < std::size(kShapes); ++shape)
        for (int size : kSizes) families.push_back(static_cast<int>(shape) * kShapeStep + size);
    std::map<int, ProcessFigures> processes;
    for (int id : families) processes[id] = measureProcesses(id);
    if (processesOnly) {
        printProcessTable(processes);
        return 0;
    }

    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    for (int id : families) {
        using Benchmark = std::pair<const char*, void (*)(benchmark::State&)>;
        for (auto [name, function] :
             {Benchmark{"open", BM_Open}, Benchmark{"window_open", BM_WindowOpen},
              Benchmark{"first_chart", BM_FirstChart}, Benchmark{"largest_chart", BM_LargestChart},
              Benchmark{"search", BM_Search}, Benchmark{"particulars", BM_Particulars}})
            benchmark::RegisterBenchmark(name, function)
                ->Arg(id)
                ->Unit(benchmark::kMillisecond)
                ->Repetitions(g_repetitions)
                ->ReportAggregatesOnly(true);
    }
    int noArguments = 1;
    benchmark::Initialize(&noArguments, argv);
    MedianCollector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    printTable(collector, processes);
    benchmark::Shutdown();
    closeWindow();
    return 0;
}
