// --code-page and --password are added here so that no command can leave them out.
#include "cli_command.h"

#include <string>

namespace kinmora::cli {

options::OptionParser CliCommand::parser() const {
    options::OptionParser parser(std::string("kinmora-cli ") + name, synopsis, summary);
    for (const auto& option : options) parser.add(option);
    parser.add({"--code-page", 0, "N",
                "read Access 97 text in code page N (874, 1252, ...), not the file's"});
    parser.add({"--password", 0, "TEXT",
                "the file's database password (or set KINMORA_PASSWORD, which no process "
                "list shows)"});
    return parser;
}

}  // namespace kinmora::cli
