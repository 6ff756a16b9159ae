#include "channels/ui/ChannelWindows.h"

#include "channels/ui/FrmCHInfoEdit.h"

namespace mox {

void RegisterChannelWindows(WindowRegistry& windows, AppState& state) {
    windows.RegisterWindow("FrmCHInfoEdit", [&state] { return new FrmCHInfoEdit(state); });
}

}  // namespace mox
