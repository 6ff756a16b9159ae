#pragma once

// The main window's position and size in the per-user store, section "Settings", in twips.

#include "services/SettingsStore.h"

namespace mox {

struct WindowPlacement {
    int Left = 1000;
    int Top = 1000;
    int Width = 12500;
    int Height = 9500;
};

// MainLeft, MainTop, MainWidth and MainHeight; a missing or malformed value takes its default.
WindowPlacement ReadMainPlacement(const SettingsStore& store);
void StoreMainPlacement(SettingsStore& store, const WindowPlacement& placement);

}  // namespace mox
