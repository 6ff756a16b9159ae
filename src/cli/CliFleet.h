#pragma once

#include <iosfwd>

#include "cli/CliArgs.h"
#include "cli/CliSession.h"

namespace mox::cli {

// Several --port, or --repeat: the radios are read or written all at once, one per port.
bool IsFleetCommand(const CliCommand& command);

// Writes the data file to every radio, or reads every radio into FILE-COMn.dat. Exit status 0 when
// every radio succeeded, 1 otherwise (or when no radio was reached at all).
int FleetCommand(CliSession& session, const CliCommand& command, std::ostream& out, std::ostream& err);

// FILE with "-COMn" before its extension: where the radio read on port n is saved.
std::string FleetReadFile(const std::string& file, int portNumber);

}  // namespace mox::cli
