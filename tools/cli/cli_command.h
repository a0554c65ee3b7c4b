// One kinmora-cli command: how it is called, what it does, its options and its code.
#pragma once

#include <QStringList>
#include <QTextStream>
#include <functional>
#include <vector>

#include "cli_arguments.h"
#include "option_parser.h"

namespace kinmora::cli {

struct CliCommand {
    // Runs the command on the words (the command first) as `args` reads them;
    // returns the exit status.
    using Run = std::function<int(const QStringList& words, const CliArguments& args,
                                  QTextStream& out, QTextStream& err)>;

    const char* name;
    const char* synopsis;
    const char* summary;
    std::vector<options::Option> options;
    Run run;

    // The command's options, --code-page and --password, which every command takes.
    options::OptionParser parser() const;
};

}  // namespace kinmora::cli
