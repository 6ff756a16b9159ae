#include "editors/ui/EditorWindows.h"

#include "editors/ui/FrmAlert.h"
#include "editors/ui/FrmDTMF.h"
#include "editors/ui/FrmEmbMsg.h"
#include "editors/ui/FrmKey.h"
#include "editors/ui/FrmOptFeatures.h"
#include "editors/ui/FrmRadioInfo.h"
#include "editors/ui/FrmScan.h"

namespace mox {

void RegisterEditorWindows(WindowRegistry& windows, AppState& state) {
    windows.RegisterWindow("FrmRadioInfo", [&state] { return new FrmRadioInfo(state); });
    windows.RegisterWindow("FrmOptFeatures",
                           [&state] { return new FrmOptFeatures(state, state.Data.Functions); });
    windows.RegisterWindow(
        "FrmDTMF", [&state, &windows] { return new FrmDTMF(state, state.Data.Functions.Dtmf, windows); });
    windows.RegisterWindow("FrmAlert", [&state] { return new FrmAlert(state, state); });
    windows.RegisterWindow("FrmEmbMsg",
                           [&state] { return new FrmEmbMsg(state, state.Data.Functions.Message); });
    windows.RegisterWindow("FrmKey", [&state] { return new FrmKey(state, state.Data.Functions); });
    windows.RegisterWindow("FrmScan", [&state, &windows] {
        return new FrmScan(state, state.Data.Functions, state.Data.Channels, windows);
    });
}

}  // namespace mox
