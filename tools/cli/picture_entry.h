// The picture command's words and options, which kinmora-cli reads before it
// hands the command to kinmora-picture and kinmora-picture reads again.
#pragma once

#include "cli_command.h"

namespace kinmora::cli {

// `kinmora-cli picture FILE [--name NAME] [--side father|mother] -o OUT
// [--paper A4|A3] [--tiles] [--dpi N]`, carried out by `run`.
CliCommand pictureCommand(CliCommand::Run run);

}  // namespace kinmora::cli
