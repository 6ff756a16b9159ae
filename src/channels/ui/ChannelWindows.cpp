#include "channels/ui/ChannelWindows.h"

#include "channels/ui/FrmCHInfoEdit.h"
#include "channels/ui/frmCommChInfo.h"

namespace mox {

void RegisterChannelWindows(ChannelListHost& windows, AppState& state) {
    windows.RegisterWindow("frmCommChInfo", [&windows, &state] { return new frmCommChInfo(state, windows); });
    windows.RegisterWindow("FrmCHInfoEdit", [&state] { return new FrmCHInfoEdit(state); });
}

}  // namespace mox
