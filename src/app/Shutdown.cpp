#include "app/Shutdown.h"

#include "app/FeatureFlagsFile.h"
#include "files/DataChanged.h"
#include "services/Texts.h"

namespace mox {

namespace {

// False when the program must go on running.
bool SaveChangedData(AppState& state, ShutdownShell& shell) {
    if (!IsDataChanged(state))
        return true;
    switch (ShowMessage(state, 9006, MsgButtons::YesNoCancel, MsgIcon::Warning)) {
        case MsgAnswer::Yes:
            // Closing after a save that did not happen would lose the changes the user wanted kept.
            return shell.SaveData();
        case MsgAnswer::No:
            return true;
        default:
            return false;
    }
}

}  // namespace

bool RunShutdown(AppState& state, SettingsStore& store, ShutdownShell& shell,
                 const std::optional<WindowPlacement>& placement) {
    if (placement)
        StoreMainPlacement(store, *placement);
    if (!SaveChangedData(state, shell))
        return false;
    shell.ClosePort();
    // A failure to write the flags is not reported; there is nothing else left to do at exit.
    WriteRememberedFeatures(state.Features, state.Paths.SettingsFolder);
    return true;
}

}  // namespace mox
