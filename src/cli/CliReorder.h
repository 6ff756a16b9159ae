#pragma once

#include <iosfwd>

#include "cli/CliArgs.h"
#include "cli/CliSession.h"

namespace mox::cli {

// copy FILE FROM TO, insert FILE AT, delete FILE AT, move FILE AT up|down: the channel commands of
// the channel list on a data file, through the same code. Nothing is asked: delete closes the gap
// when Habit.ini says so or --close-gap is given, not with --keep-gap; copy always puts the channel
// over the one at TO. Saves the file and prints the heading and the rows of the channels that
// changed (a channel left empty as its number alone). Exit status as for set: 0 done, 1 when the
// file cannot be read or written, 2 for a channel outside 1..128, a direction other than up or down
// or an empty channel to copy (the file is then left as it was).
int ReorderCommand(CliSession& session, const CliCommand& command, std::ostream& out, std::ostream& err);

}  // namespace mox::cli
