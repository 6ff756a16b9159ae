#pragma once

#include "records/ModelState.h"
#include "records/RadioData.h"
#include "records/RadioImage.h"
#include "services/Messages.h"

namespace mox {

// Whether a channel of the list can be written to the radio: a Number 1..128, RX digits that are
// decimal digits (not empty), and a TX frequency that gives eight digits.
bool IsPackableChannel(const ModelState& model, const Messages& messages, const ChannelRecord& record);

// Writes one channel into its slot and clears its bits in the presence and scan-skip maps; sets the
// record's IsEmpty. A record that IsPackableChannel refuses writes nothing.
void PackChannel(const ModelState& model, const Messages& messages, ChannelRecord& record, RadioImage& image);

// Appends the channel of slot 0..127 of the image to the channel list when the presence map says the
// slot holds one. A slot whose RX bytes are not eight decimal digits (below 10000000, above 99999999, erased)
// is skipped; TX bytes that cannot be a TX of that RX give a simplex channel.
void UnpackChannel(const ModelState& model, const Messages& messages, const RadioImage& image,
                   ChannelTable& table, int slot);

}  // namespace mox
