// Messages start with "kinmora-cli: " whichever program prints them, so that
// the commands kinmora-cli hands to a helper program read as its own.
#include "cli_program.h"

#include <exception>
#include <string>

#include "data/family_file_error.h"

namespace kinmora::cli {

CliProgram::CliProgram(std::vector<CliCommand> commands) : m_commands(std::move(commands)) {}

options::OptionParser CliProgram::programParser() const {
    options::OptionParser parser(
        "kinmora-cli", "COMMAND FILE [ARGUMENTS]",
        "Reads a family file (.mdb or .accdb) and prints what the viewer shows.");
    std::string list = "Commands:\n";
    for (const CliCommand& command : m_commands)
        list += std::string("  ") + command.name + " " + command.synopsis + "\n";
    list +=
        "\nEvery command takes --code-page N to read Access 97 text in that code page\n"
        "instead of the one the file names (Thai text is recognised by itself), and\n"
        "--password TEXT for a file with a database password (or KINMORA_PASSWORD).\n"
        "'kinmora-cli COMMAND --help' tells more. Exit status: 0 done, 1 NOT FOUND,\n"
        "2 a usage error or a file that cannot be read.\n";
    parser.setEpilogue(list);
    return parser;
}

const CliCommand* CliProgram::commandNamed(const QString& name) const {
    for (const CliCommand& command : m_commands)
        if (name == QLatin1String(command.name)) return &command;
    return nullptr;
}

int CliProgram::run(const QStringList& words, QTextStream& out, QTextStream& err) const {
    const CliCommand* command = commandNamed(words.value(0));
    const options::OptionParser parser = command ? command->parser() : programParser();
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
            throw UsageError(words.isEmpty()
                                 ? "no command given"
                                 : "unknown command '" + words.first().toStdString() + "'");
        return command->run(words, args, out, err);
    } catch (const UsageError& e) {
        err << "kinmora-cli: " << QString::fromStdString(e.what()) << '\n'
            << QString::fromStdString(parser.tryHelp());
        return 2;
    } catch (const FamilyFileError& e) {
        err << "kinmora-cli: " << e.message();
        if (e.kind() == FamilyFileError::Kind::PasswordNeeded)
            err << " (give it with --password TEXT or in KINMORA_PASSWORD)";
        err << '\n';
        return 2;
    } catch (const std::exception& e) {
        err << "kinmora-cli: " << QString::fromUtf8(e.what()) << '\n';
        return 2;
    }
}

}  // namespace kinmora::cli
