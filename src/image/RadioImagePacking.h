#pragma once

#include "records/RadioImage.h"
#include "records/RadioRecords.h"
#include "services/Messages.h"

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
void EraseRadioImage(RadioImage& image, bool radioInfoReadRuns);
// Records -> image, before the first block of a write. The model record follows the current model and
// band, and each channel's IsEmpty is set.
PackResult PackRadioImage(RadioRecords& radio, const Messages& messages);
// Image -> records after a successful read; the current model and band follow the model record.
void UnpackRadioImage(RadioRecords& radio, const Messages& messages);

}  // namespace mox
