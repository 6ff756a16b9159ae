#pragma once

#include "app/AppState.h"
#include "widgets/WindowRegistry.h"

namespace mox {

// Offers the editors' windows to the main window by their window names.
void RegisterEditorWindows(WindowRegistry& windows, AppState& state);

}  // namespace mox
