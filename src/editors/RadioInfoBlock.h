#pragma once

#include "app/AppState.h"
#include "editors/Today.h"

namespace mox {

// Fills the radio information from the block the information read brought: each text ends before
// its first 0x00 or 0xFF byte or at its size. The bytes are kept raw; the window decodes them
// (GB18030). The model and version keep their values and the band follows the current band.
void UnpackRadioInfoBlock(AppState& state);

// The radio information of new data: the current model and band, "V2.00", sales area "0595", batch
// number of the current month, customer code "001A" and today's date in the four date fields.
void ResetRadioInfo(AppState& state, const Today& today);

}  // namespace mox
