// kinmora-cli's command line: the first word names the command; --help,
// --version and every failure are answered the same way whatever the command.
#pragma once

#include <QStringList>
#include <QTextStream>
#include <vector>

#include "cli_command.h"
#include "option_parser.h"

namespace kinmora::cli {

class CliProgram {
public:
    explicit CliProgram(std::vector<CliCommand> commands);

    // Runs the command `words` (the arguments after the program's name)
    // start with and returns the exit status: the command's own, 0 after
    // --help or --version, 2 with one line on `err` for a mistake on the
    // command line, a file that cannot be read or any other failure.
    int run(const QStringList& words, QTextStream& out, QTextStream& err) const;

private:
    options::OptionParser programParser() const;
    const CliCommand* commandNamed(const QString& name) const;

    std::vector<CliCommand> m_commands;
};

}  // namespace kinmora::cli
