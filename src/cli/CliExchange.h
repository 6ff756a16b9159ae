#pragma once

#include <iosfwd>

#include "cli/CliArgs.h"
#include "cli/CliSession.h"

namespace mox::cli {

// export FILE.dat OUT.csv: the channel list as CSV; OUT "-" is `out`. Exit status 0, or 1 when a file
// cannot be read or written.
int ExportCommand(CliSession& session, const CliCommand& command, std::ostream& out, std::ostream& err);

// import FILE.dat IN.csv: prints the report and saves the data (to --out when given). Exit status 0
// when channels were imported, with or without skipped rows; 1 when a file cannot be read or
// written, when no row could be taken, or with --strict when any row was skipped or changed (nothing
// is saved then); 2 for a file that is no channel list.
int ImportCommand(CliSession& session, const CliCommand& command, std::ostream& out, std::ostream& err);

// diff A.dat B.dat: what differs from A to B. Exit status 0 identical, 1 different, 2 when a file
// cannot be read.
int DiffCommand(CliSession& session, const CliCommand& command, std::ostream& out);

// print FILE.dat OUT.pdf: the channel list and the settings as a PDF. Exit status 0, or 1 when a file
// cannot be read or written. Needs a QGuiApplication, which paints the text.
int PrintCommand(CliSession& session, const CliCommand& command, std::ostream& err);

}  // namespace mox::cli
