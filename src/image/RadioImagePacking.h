#pragma once

#include "app/AppState.h"

namespace mox {

// Ok false: nothing was packed and no block may be sent. BadChannel is the Number of the first
// channel that cannot be written (empty or non-numeric RX digits, a Number outside 1..128 or used
// twice, a TX frequency that gives no eight digits); 0 when the channel count itself is outside
// 0..128.
struct PackResult {
    bool Ok = true;
    int BadChannel = 0;
};

// Sets all bytes of the image to 0xFF; does nothing during the radio information read.
void EraseRadioImage(AppState& state);
// Records -> image, before the first block of a write.
PackResult PackRadioImage(AppState& state);
// Image -> records after a successful read; the current model and band follow the model record.
void UnpackRadioImage(AppState& state);

}  // namespace mox
