#pragma once

#include <iosfwd>

#include "cli/CliArgs.h"
#include "cli/CliSession.h"

namespace mox::cli {

// batch FILE [options]: the batch set-up's Apply on a data file with exactly the items the options
// name, the dialog's field checks on the numbers given; saves the file and prints the heading and the
// rows of the channels that changed. Exit status 0 done, 1 when the file cannot be read or written,
// 2 for options that do not fit together or a value an item does not take (the file is then left as
// it was).
int BatchCommand(CliSession& session, const CliCommand& command, std::ostream& out, std::ostream& err);

}  // namespace mox::cli
