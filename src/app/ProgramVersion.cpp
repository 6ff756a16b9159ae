#include "app/ProgramVersion.h"

#include "services/FixedText.h"
#include "services/Versions.h"

namespace mox {

void LoadVersionRecords(AppState& state) {
    SetFixedText(state.Data.FormatTag, kProgramVersion);
    state.Versions = ReadVersionRecords(state.Paths.RootFolder);
}

}  // namespace mox
