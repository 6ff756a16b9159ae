#pragma once

#include <string_view>

#include "link/TransferState.h"
#include "records/ModelState.h"
#include "services/ProgramServices.h"

namespace mox {

enum class CompatibilityResult {
    Passed,
    Failed,
    // The user chose to switch to the program version that fits the radio; the transfer must end
    // before the switch.
    SwitchVersion
};

// Whether data of the program's model may go to or come from a radio of this model. A write needs the
// same model, or in factory test mode two models of the table; a read takes any model of the table.
bool IsModelCompatible(std::string_view programModel, std::string_view radioModel, TransferKind transfer,
                       bool factoryTestMode);
// A write needs the radio's own band; a read takes any band.
bool IsBandCompatible(int programBand, int radioBand, TransferKind transfer);

// Compares the current model and band and the program version with the radio's identity before a
// read or a write, telling the user about every difference.
CompatibilityResult CheckCompatibility(const ProgramServices& program, const ModelState& model,
                                       const RadioIdentity& radio, bool factoryTestMode, TransferKind kind);

}  // namespace mox
