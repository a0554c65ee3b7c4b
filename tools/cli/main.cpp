// kinmora-cli: the family chart, the name search and a person's particulars
// of a family file, printed as UTF-8 text for printing and scripting, and the
// family handed on as GEDCOM or CSV. Pictures are drawn by kinmora-picture,
// so that kinmora-cli needs Qt Core only and starts quickly.
#include <QCoreApplication>
#include <QTextStream>
#include <vector>

#include "chart_command.h"
#include "cli_arguments.h"
#include "cli_command.h"
#include "cli_program.h"
#include "csv_command.h"
#include "gedcom_command.h"
#include "living_option.h"
#include "person_command.h"
#include "picture_entry.h"
#include "picture_hand_over.h"
#include "relation_command.h"
#include "search_command.h"
#include "site_command.h"

namespace {

using kinmora::cli::CliArguments;
using kinmora::cli::CliCommand;

// `argv` as the program got it, for the picture command, which hands the
// words on unchanged.
std::vector<CliCommand> commands(char* argv[]) {
    return {
        {"chart",
         "FILE [--name NAME] [--side father|mother]",
         "Prints the family chart: one line per node (depth, key, text, image, expanded), then "
         "the status.",
         {{"--name", 0, "NAME", "the centre person (default: the first in name order)"},
          {"--side", 0, "SIDE", "father (default) or mother"}},
         [](const QStringList&, const CliArguments& args, QTextStream& out, QTextStream& err) {
             return kinmora::cli::runChart(args, out, err);
         }},
        {"search",
         "FILE TEXT",
         "Prints the name lines that contain TEXT, in name order.",
         {},
         [](const QStringList&, const CliArguments& args, QTextStream& out, QTextStream& err) {
             return kinmora::cli::runSearch(args, out, err);
         }},
        {"person",
         "FILE NAME [--now \"YYYY-MM-DD HH:MM:SS\"]",
         "Prints the particulars of the person named NAME.",
         {{"--now", 0, "MOMENT", "the present moment, for the age of a living person"}},
         [](const QStringList&, const CliArguments& args, QTextStream& out, QTextStream& err) {
             return kinmora::cli::runPerson(args, out, err);
         }},
        {"relation",
         "FILE A B [--codes]",
         "Prints what B is to A as one Thai sentence (\"ภูมิเป็นพ่อของกันต์\").",
         {{"--codes", 0, "", "A and B are person codes, not names"}},
         [](const QStringList& words, const CliArguments&, QTextStream& out, QTextStream& err) {
             return kinmora::cli::runRelation(words, out, err);
         }},
        {"gedcom",
         "FILE [-o OUT.ged] [--living names|full]",
         "Writes the family as GEDCOM 5.5.1.",
         {{"--output", 'o', "FILE", "the file to write (default: standard output)"},
          kinmora::cli::livingOption("full")},
         [](const QStringList&, const CliArguments& args, QTextStream& out, QTextStream& err) {
             return kinmora::cli::runGedcom(args, out, err);
         }},
        {"csv",
         "FILE --family F.csv --married M.csv [--living names|full]",
         "Writes the family as the two CSV files kinmora-mkfamily reads.",
         {{"--family", 0, "FILE", "the persons' CSV file to write"},
          {"--married", 0, "FILE", "the couples' CSV file to write"},
          kinmora::cli::livingOption("full")},
         [](const QStringList&, const CliArguments& args, QTextStream&, QTextStream& err) {
             return kinmora::cli::runCsv(args, err);
         }},
        {"site",
         "FILE -o DIR [--living names|full] [--now \"YYYY-MM-DD HH:MM:SS\"]",
         "Writes the family website into DIR: index.html and the files it needs, to open "
         "from the folder or put on any web host.",
         {{"--output", 'o', "DIR", "the folder to write (replaced once the site is written)"},
          kinmora::cli::livingOption("names"),
          {"--now", 0, "MOMENT", "the moment the site is made, for ages and who is living"}},
         [](const QStringList&, const CliArguments& args, QTextStream&, QTextStream&) {
             return kinmora::cli::runSite(args);
         }},
        kinmora::cli::pictureCommand(
            [argv](const QStringList&, const CliArguments&, QTextStream&, QTextStream&) -> int {
                kinmora::cli::handOverPicture(argv);
            }),
    };
}

}  // namespace

int main(int argc, char* argv[]) {
    const QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const kinmora::cli::CliProgram program(commands(argv));
    return program.run(app.arguments().mid(1), out, err);
}
