#pragma once

#include "app/AppState.h"

namespace mox {

enum class CompatibilityResult {
    Passed,
    Failed,
    // The user chose to switch to the program version that fits the radio; the transfer must end
    // before the switch.
    SwitchVersion
};

// Compares the current model and band and the program version with the radio's identity before a
// read or a write, telling the user about every difference.
CompatibilityResult CheckCompatibility(AppState& state, TransferKind kind);

}  // namespace mox
