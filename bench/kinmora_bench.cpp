// kinmora-bench: the program's speed and memory on generated families of
// 1,000, 5,000 and 32,767 persons, each figure also given as a ratio to what
// a plain table dump of the same file costs (mdb-export of both tables).
//
//   kinmora-bench FOLDER CLI [--repetitions N]
//
// FOLDER holds family-N.mdb and family-N.centre (the name of the person with
// the largest chart), as bench/run writes them; CLI is the kinmora-cli to measure.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTreeWidget>
#include <cstdio>
#include <map>
#include <memory>

#include "app/chart_tree_widget.h"
#include "app/frm_main.h"
#include "app/module1.h"
#include "data/family_database.h"
#include "data/family_queries.h"
#include "data/name_search.h"
#include "process_measure.h"
#include "windows/frm_note.h"

namespace kinmora::bench {
namespace {

const int kSizes[] = {1000, 5000, 32767};
// Hits about one person in twenty of a generated family: a given name and a surname contain it.
const QString kSearchText = QStringLiteral("สมบ");

QString g_folder;
std::string g_cli;
int g_repetitions = 7;

QString familyPath(int persons) {
    return g_folder + QStringLiteral("/family-%1.mdb").arg(persons);
}

QString centreName(int persons) {
    QFile file(g_folder + QStringLiteral("/family-%1.centre").arg(persons));
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll()).trimmed();
}

std::unique_ptr<frm_main> g_window;

// The main window, with the family of `persons` persons open in it.
frm_main& windowOver(int persons) {
    std::unique_ptr<frm_main>& window = g_window;
    static int open = 0;
    if (!window) window = std::make_unique<frm_main>();
    if (open != persons) {
        Module1::instance().setDatabase(FamilyDatabase::open(familyPath(persons)));
        open = persons;
    }
    return *window;
}

// The first person in name order whose name finds a person with both parents known.
QString personWithBothParents() {
    RecordSet& rs = Module1::instance().rs_family();
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
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
    Module1::instance().close();
}

void BM_Open(benchmark::State& state) {
    const QString path = familyPath(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto database = FamilyDatabase::open(path);
        benchmark::DoNotOptimize(database->rs_family().field(QStringLiteral("name")));
        // Closing is not part of opening.
        state.PauseTiming();
        database.reset();
        state.ResumeTiming();
    }
}

void chart(benchmark::State& state, bool largest) {
    const int persons = static_cast<int>(state.range(0));
    frm_main& window = windowOver(persons);
    RecordSet& rs = Module1::instance().rs_family();
    rs.moveFirst();
    const QString name = largest ? centreName(persons) : rs.field(QStringLiteral("name")).toText();
    for (auto _ : state) window.calac(name);
    state.counters["nodes"] = treeSize(*window.TreeView1());
}

void BM_FirstChart(benchmark::State& state) {
    chart(state, false);
}
void BM_LargestChart(benchmark::State& state) {
    chart(state, true);
}

void BM_Search(benchmark::State& state) {
    windowOver(static_cast<int>(state.range(0)));
    RecordSet& rs = Module1::instance().rs_family();
    double hits = 0;
    for (auto _ : state) hits = static_cast<double>(search_hits(rs, kSearchText).size());
    state.counters["hits_percent"] = 100.0 * hits / rs.recordCount();
}

void BM_Particulars(benchmark::State& state) {
    frm_main& window = windowOver(static_cast<int>(state.range(0)));
    Module1::instance().select_name = personWithBothParents();
    for (auto _ : state) {
        frm_note note(window, &Module1::instance().rs_family(), Module1::instance().select_name);
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
    double cliSeconds;   // kinmora-cli chart FILE
    long cliLargestPeakKb;
};

ProcessFigures measureProcesses(int persons) {
    const std::string path = familyPath(persons).toStdString();
    std::vector<double> dump, cli;
    long peak = 0;
    for (int i = 0; i < g_repetitions; ++i) {
        const ProcessRun family = runProcess({"mdb-export", path, "family"});
        const ProcessRun married = runProcess({"mdb-export", path, "married"});
        dump.push_back(family.seconds + married.seconds);
        cli.push_back(runProcess({g_cli, "chart", path}).seconds);
        peak = std::max(
            peak, runProcess({g_cli, "chart", path, "--name", centreName(persons).toStdString()})
                      .peakResidentKb);
    }
    return {median(dump), median(cli), peak};
}

void printTable(const MedianCollector& collected, const std::map<int, ProcessFigures>& processes) {
    std::printf(
        "\n| persons | mdb-export (ms) | kinmora-cli chart (ms) | ratio | open (ms) | ratio | "
        "first chart (ms) | largest chart (ms, nodes) | search (ms, hits) | "
        "particulars (ms) | peak memory, largest chart (MB) |\n");
    std::printf("|---|---|---|---|---|---|---|---|---|---|---|\n");
    for (int persons : kSizes) {
        const ProcessFigures& process = processes.at(persons);
        const auto ms = [&](const char* name) {
            return collected.medians.at(std::string(name) + "/" + std::to_string(persons) +
                                        "/repeats:" + std::to_string(g_repetitions));
        };
        const auto counter = [&](const char* name, const char* what) {
            return collected.counters.at(std::string(name) + "/" + std::to_string(persons) +
                                         "/repeats:" + std::to_string(g_repetitions) + "/" + what);
        };
        const double dumpMs = process.dumpSeconds * 1000;
        std::printf(
            "| %d | %.0f | %.0f | %.2f | %.1f | %.2f | %.2f | %.1f (%.0f) | %.2f (%.1f%%) | "
            "%.2f | %.1f |\n",
            persons, dumpMs, process.cliSeconds * 1000, process.cliSeconds * 1000 / dumpMs,
            ms("open"), ms("open") / dumpMs, ms("first_chart"), ms("largest_chart"),
            counter("largest_chart", "nodes"), ms("search"), counter("search", "hits_percent"),
            ms("particulars"), process.cliLargestPeakKb / 1024.0);
    }
}

}  // namespace
}  // namespace kinmora::bench

int main(int argc, char* argv[]) {
    using namespace kinmora::bench;
    if (argc < 3) {
        std::fprintf(stderr, "usage: kinmora-bench FOLDER CLI [--repetitions N]\n");
        return 2;
    }
    g_folder = QString::fromLocal8Bit(argv[1]);
    g_cli = argv[2];
    if (argc >= 5 && std::string(argv[3]) == "--repetitions")
        g_repetitions = std::max(1, std::atoi(argv[4]));
    // Whole processes are measured first, while this process is still small:
    // a child's peak resident size counts what it shared with this process
    // until it started its own program.
    std::map<int, ProcessFigures> processes;
    for (int size : kSizes) processes[size] = measureProcesses(size);

    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    for (int size : kSizes) {
        using Benchmark = std::pair<const char*, void (*)(benchmark::State&)>;
        for (auto [name, function] :
             {Benchmark{"open", BM_Open}, Benchmark{"first_chart", BM_FirstChart},
              Benchmark{"largest_chart", BM_LargestChart}, Benchmark{"search", BM_Search},
              Benchmark{"particulars", BM_Particulars}})
            benchmark::RegisterBenchmark(name, function)
                ->Arg(size)
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
