#pragma once

#include <iosfwd>

#include "cli/CliArgs.h"
#include "cli/CliSession.h"

namespace mox::cli {

// Each command returns the exit status: 0 success, 1 when the transfer or file operation failed or
// was cancelled (the reason is on stderr already).
int ReadCommand(CliSession& session, const CliCommand& command, std::ostream& err);
int WriteCommand(CliSession& session, const CliCommand& command, std::ostream& err);
int InfoCommand(CliSession& session, const CliCommand& command, std::ostream& out, std::ostream& err);
int NewCommand(CliSession& session, const CliCommand& command, std::ostream& err);
int ShowCommand(CliSession& session, const CliCommand& command, std::ostream& out);
int PortsCommand(CliSession& session, std::ostream& out);
// The backups of reads and writes, newest first: path, date and kind, separated by tabs.
int BackupsCommand(CliSession& session, std::ostream& out);

}  // namespace mox::cli
