// kinmora-cli: the family chart, the name search and a person's particulars
// of a family file, printed as UTF-8 text for printing and scripting, and the
// family handed on as GEDCOM or CSV.
#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <cstring>
#include <memory>

#include "chart_command.h"
#include "cli_arguments.h"
#include "csv_command.h"
#include "data/family_file_error.h"
#include "gedcom_command.h"
#include "person_command.h"
#include "picture_command.h"
#include "relation_command.h"
#include "search_command.h"

namespace {

using kinmora::cli::CliArguments;
using kinmora::options::OptionParser;

// One command: how it is called, what it does, its options and its code.
struct Command {
    const char* name;
    const char* synopsis;
    const char* summary;
    std::vector<kinmora::options::Option> options;
    // Runs the command on the words (the command first) as `args` reads them.
    int (*run)(const QStringList& words, const CliArguments& args, QTextStream& out,
               QTextStream& err);

    OptionParser parser() const {
        OptionParser parser(std::string("kinmora-cli ") + name, synopsis, summary);
        for (const auto& option : options) parser.add(option);
        parser.add({"--code-page", 0, "N",
                    "read Access 97 text in code page N (874, 1252, ...), not the file's"});
        return parser;
    }
};

const std::vector<Command>& commands() {
    static const std::vector<Command> all = {
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
         "Prints what B is to A in Thai kinship terms.",
         {{"--codes", 0, "", "A and B are person codes, not names"}},
         [](const QStringList& words, const CliArguments&, QTextStream& out, QTextStream& err) {
             return kinmora::cli::runRelation(words, out, err);
         }},
        {"gedcom",
         "FILE [-o OUT.ged]",
         "Writes the family as GEDCOM 5.5.1.",
         {{"--output", 'o', "FILE", "the file to write (default: standard output)"}},
         [](const QStringList&, const CliArguments& args, QTextStream& out, QTextStream&) {
             return kinmora::cli::runGedcom(args, out);
         }},
        {"csv",
         "FILE --family F.csv --married M.csv",
         "Writes the family as the two CSV files kinmora-mkfamily reads.",
         {{"--family", 0, "FILE", "the persons' CSV file to write"},
          {"--married", 0, "FILE", "the couples' CSV file to write"}},
         [](const QStringList&, const CliArguments& args, QTextStream&, QTextStream&) {
             return kinmora::cli::runCsv(args);
         }},
        {"picture",
         "FILE [--name NAME] [--side father|mother] -o OUT.pdf|.svg|.png [--paper A4|A3] "
         "[--tiles] [--dpi N]",
         "Draws the family chart as a descendant tree in a PDF, SVG or PNG file.",
         {{"--name", 0, "NAME", "the centre person (default: the first in name order)"},
          {"--side", 0, "SIDE", "father (default) or mother"},
          {"--output", 'o', "FILE", "the picture to write; its ending says the type"},
          {"--paper", 0, "SIZE", "A4 or A3: pages of that paper (PDF only)"},
          {"--tiles", 0, "", "split a large chart over pages to tape together (PDF only)"},
          {"--dpi", 0, "N", "dots per inch of a PNG (default 150)"}},
         [](const QStringList&, const CliArguments& args, QTextStream&, QTextStream& err) {
             return kinmora::cli::runPicture(args, err);
         }},
    };
    return all;
}

OptionParser programParser() {
    OptionParser parser("kinmora-cli", "COMMAND FILE [ARGUMENTS]",
                        "Reads a family file (.MDB) and prints what the viewer shows.");
    std::string list = "Commands:\n";
    for (const Command& command : commands())
        list += std::string("  ") + command.name + " " + command.synopsis + "\n";
    list +=
        "\nEvery command takes --code-page N to read Access 97 text in that code page\n"
        "instead of the one the file names (Thai text is recognised by itself).\n"
        "'kinmora-cli COMMAND --help' tells more. Exit status: 0 done, 1 NOT FOUND,\n"
        "2 a usage error or a file that cannot be read.\n";
    parser.setEpilogue(list);
    return parser;
}

const Command* commandNamed(const QString& name) {
    for (const Command& command : commands())
        if (name == QLatin1String(command.name)) return &command;
    return nullptr;
}

// Pictures need fonts, which only a GUI application has; it needs no display.
std::unique_ptr<QCoreApplication> application(int& argc, char* argv[]) {
    if (argc > 1 && std::strcmp(argv[1], "picture") == 0) {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::unique_ptr<QCoreApplication> app = application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList words = app->arguments().mid(1);
    const Command* command = commandNamed(words.value(0));
    const OptionParser parser = command ? command->parser() : programParser();
    try {
        const CliArguments args(words, parser);
        if (args.wantsHelp()) {
            out << QString::fromStdString(parser.help());
            return 0;
        }
        if (args.wantsVersion()) {
            out << "kinmora-cli " KINMORA_VERSION "\n";
            return 0;
        }
        if (!command)
            throw kinmora::cli::UsageError(words.isEmpty() ? "no command given"
                                                           : "unknown command '" +
                                                                 words.first().toStdString() + "'");
        return command->run(words, args, out, err);
    } catch (const kinmora::cli::UsageError& e) {
        err << "kinmora-cli: " << QString::fromStdString(e.what()) << '\n'
            << QString::fromStdString(parser.tryHelp());
        return 2;
    } catch (const kinmora::FamilyFileError& e) {
        err << "kinmora-cli: " << e.message() << '\n';
        return 2;
    } catch (const std::exception& e) {
        err << "kinmora-cli: " << QString::fromUtf8(e.what()) << '\n';
        return 2;
    }
}
