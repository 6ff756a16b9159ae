#pragma once

#include <iosfwd>

#include "cli/CliArgs.h"
#include "cli/CliSession.h"

namespace mox::cli {

// set FILE CHANNEL FIELD VALUE [FIELD VALUE ...]: changes one channel of a data file the way the
// channel list and the channel editor do, saves the file and prints the channel's row as show does.
// Exit status 0 done, 1 when the file cannot be read or written, 2 for an unknown field, a channel
// outside 1..128 or a value the field does not take (the file is then left as it was).
int SetCommand(CliSession& session, const CliCommand& command, std::ostream& out, std::ostream& err);

}  // namespace mox::cli
