#pragma once

// What happens when the main window closes: its placement is stored, changed data may be saved, the
// port is closed and the remembered feature flags are written.

#include <optional>

#include "app/AppState.h"
#include "app/WindowPlacement.h"
#include "services/SettingsStore.h"

namespace mox {

// The main window's part of the shutdown.
class ShutdownShell {
public:
    virtual ~ShutdownShell() = default;
    // Saves as the Save command does; false when the data were not saved (a cancelled file dialog or
    // a failed write).
    virtual bool SaveData() = 0;
    virtual void ClosePort() = 0;
};

// `placement` is the main window's position and size, nothing while it is minimised. Returns false
// when the shutdown stops and the program goes on running: the user cancelled the save question, or
// chose to save and the data were not saved.
bool RunShutdown(AppState& state, SettingsStore& store, ShutdownShell& shell,
                 const std::optional<WindowPlacement>& placement);

}  // namespace mox
