#include "editors/ui/EditorWindows.h"

#include "editors/ui/FrmOptFeatures.h"
#include "editors/ui/FrmRadioInfo.h"

namespace mox {

void RegisterEditorWindows(WindowRegistry& windows, AppState& state) {
    windows.RegisterWindow("FrmRadioInfo", [&state] { return new FrmRadioInfo(state); });
    windows.RegisterWindow("FrmOptFeatures",
                           [&state] { return new FrmOptFeatures(state, state.Data.Functions); });
}

}  // namespace mox
