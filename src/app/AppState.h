#pragma once

// The single process-wide values of the program, in one object that main creates and passes by
// reference. Tests create as many independent states as they like.
//
// The state is built floor by floor, each part deriving from the parts of the floors below it:
// ProgramServices (the program's place, messages and outside services) and RadioRecords (the radio's
// records) at the bottom, DocumentContext for the file commands, LinkContext for the transfers, and
// this state on top. A rule or command below the application takes the part it works on, never the
// whole state; only what the windows and the command-line tool call on this floor takes AppState.

#include <string>

#include "channels/ChannelEditState.h"
#include "link/LinkContext.h"

namespace mox {

struct AppState : LinkContext {
    std::string ProgramTitle;
    // Set while the Initialise command makes its new data.
    bool InitialiseCommand = false;

    ChannelEditState ChannelEdit;
    ChannelClipboard Clipboard;
    Habits Habit;
    BatchItemSelection BatchItems{};
};

}  // namespace mox
