#pragma once

#include "app/AppState.h"
#include "channels/ui/ChannelListHost.h"

namespace mox {

// Offers the channel windows to the main window by their window names.
void RegisterChannelWindows(ChannelListHost& windows, AppState& state);

}  // namespace mox
