#pragma once

#include "app/AppState.h"

namespace mox {

// The version this program writes into its data and the installed versions of Version.ini in the root
// folder; a missing file or key gives empty records.
void LoadVersionRecords(AppState& state);

}  // namespace mox
