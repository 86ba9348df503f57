#pragma once
#include "shell/cli/Subcommand.h"

namespace torvane {

// Each subcommand, defined in a file of its own.
Subcommand makeIndexCommand();
Subcommand checkCommand();
Subcommand exportCommand();
Subcommand addEntryCommand();
Subcommand excludeCommand();
Subcommand removeCommand();
Subcommand addFilesCommand();
Subcommand addUrlCommand();
Subcommand addXrefCommand();
Subcommand forgetKeptCommand();
Subcommand applyCommand();
Subcommand importCommand();
Subcommand initCommand();
Subcommand completeTargetsCommand();

} // namespace torvane
