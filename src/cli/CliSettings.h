#pragma once

#include <iosfwd>

#include "cli/CliArgs.h"
#include "cli/CliSession.h"

namespace mox::cli {

// settings FILE [NAME=VALUE ...]: without pairs prints every radio-wide setting of a data file as
// NAME=VALUE lines (with --json as the records of show's JSON). With pairs it sets the fields in the
// order given, as their editor windows do, saves the file and prints the settings that were named or
// changed by a follow-on rule. Exit status 0 done, 1 when the file cannot be read or written, 2 for an
// unknown name or a value the window could not produce (the file is then left as it was).
int SettingsCommand(CliSession& session, const CliCommand& command, std::ostream& out, std::ostream& err);

}  // namespace mox::cli
