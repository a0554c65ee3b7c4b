// The --living option of the commands that hand the family on.
#pragma once

#include "cli_arguments.h"
#include "data/living_rule.h"

namespace kinmora::cli {

// The option's description, for a command's option list.
options::Option livingOption(const char* fallback);

// The rule --living names (names, full; `fallback` when absent), for the
// day of --now (today when absent). Throws UsageError for any other word.
LivingRule livingRule(const CliArguments& args, LivingDetails fallback);

}  // namespace kinmora::cli
