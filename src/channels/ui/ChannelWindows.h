#pragma once

#include "app/AppState.h"
#include "widgets/WindowRegistry.h"

namespace mox {

// Offers the channel windows to the main window by their window names.
void RegisterChannelWindows(WindowRegistry& windows, AppState& state);

}  // namespace mox
