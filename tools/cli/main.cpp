// kinmora-cli: the family chart, the name search and a person's particulars
// of a family file, printed as UTF-8 text for printing and scripting, and the
// family handed on as GEDCOM or CSV.
#include "chart_command.h"
#include "cli_arguments.h"
#include "csv_command.h"
#include "gedcom_command.h"
#include "person_command.h"
#include "relation_command.h"
#include "search_command.h"
#include "data/engine_error.h"
#include "data/family_file_error.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

namespace {

const char kUsage[] =
    "usage: kinmora-cli chart FILE [--name NAME] [--side father|mother]\n"
    "       kinmora-cli search FILE TEXT\n"
    "       kinmora-cli person FILE NAME [--now \"YYYY-MM-DD HH:MM:SS\"]\n"
    "       kinmora-cli relation FILE A B [--codes]\n"
    "       kinmora-cli gedcom FILE [-o OUT.ged]\n"
    "       kinmora-cli csv FILE --family F.csv --married M.csv\n"
    "every command takes --code-page 874|1252|... to read Access 97 text in that\n"
    "code page instead of the one the file names (Thai text is recognised by itself)\n";

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList words = app.arguments().mid(1);
    try {
        const QString command = words.value(0);
        if (command == QLatin1String("chart"))
            return kinmora::cli::runChart(
                kinmora::cli::CliArguments(words, {QStringLiteral("--name"), QStringLiteral("--side")}),
                out, err);
        if (command == QLatin1String("search"))
            return kinmora::cli::runSearch(kinmora::cli::CliArguments(words, {}), out, err);
        if (command == QLatin1String("person"))
            return kinmora::cli::runPerson(
                kinmora::cli::CliArguments(words, {QStringLiteral("--now")}), out, err);
        if (command == QLatin1String("relation")) return kinmora::cli::runRelation(words, out, err);
        if (command == QLatin1String("gedcom"))
            return kinmora::cli::runGedcom(
                kinmora::cli::CliArguments(words, {QStringLiteral("-o"), QStringLiteral("--output")}),
                out);
        if (command == QLatin1String("csv"))
            return kinmora::cli::runCsv(kinmora::cli::CliArguments(
                words, {QStringLiteral("--family"), QStringLiteral("--married")}));
        if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
            out << kUsage;
            return 0;
        }
        throw kinmora::cli::UsageError(command.isEmpty() ? "no command given"
                                                          : "unknown command " + command.toStdString());
    } catch (const kinmora::cli::UsageError& e) {
        err << "kinmora-cli: " << e.what() << '\n' << kUsage;
        return 2;
    } catch (const kinmora::FamilyFileError& e) {
        err << "kinmora-cli: " << e.path() << ": " << e.reason() << '\n';
        return 2;
    } catch (const std::exception& e) {
        err << "kinmora-cli: " << QString::fromUtf8(e.what()) << '\n';
        return 2;
    }
}
