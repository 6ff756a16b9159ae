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
    // Each editor's changes are undo steps named after the editor.
    auto steps = [&state](EditorStep editor) { return EditorSteps(state, editor); };
    windows.RegisterWindow("FrmOptFeatures", [&state, steps] {
        return new FrmOptFeatures(state, state.Data.Functions, steps(EditorStep::OptionalFeatures));
    });
    windows.RegisterWindow("FrmDTMF", [&state, &windows, steps] {
        return new FrmDTMF(state, state.Data.Functions.Dtmf, windows, steps(EditorStep::Dtmf));
    });
    windows.RegisterWindow("FrmAlert",
                           [&state, steps] { return new FrmAlert(state, state, steps(EditorStep::Alert)); });
    windows.RegisterWindow("FrmEmbMsg", [&state, steps] {
        return new FrmEmbMsg(state, state.Data.Functions.Message, steps(EditorStep::EmbeddedMessage));
    });
    windows.RegisterWindow("FrmKey", [&state, steps] {
        return new FrmKey(state, state.Data.Functions, steps(EditorStep::Keys));
    });
    windows.RegisterWindow("FrmScan", [&state, &windows, steps] {
        return new FrmScan(state, state.Data.Functions, state.Data.Channels, windows,
                           steps(EditorStep::Scan));
    });
}

}  // namespace mox
