#pragma once

#include <string>

#include "records/ModelState.h"
#include "records/RadioData.h"
#include "services/Messages.h"
#include "services/Views.h"

namespace mox {

// What a channel edit works on: the records it changes (the channels, and the scan and alert settings
// that refer to them), the band the frequencies stay in, whether the TX column holds the shift (the
// ShowTxAsShift habit), the messages its warnings go to and the views that follow the change.
struct ChannelFieldContext {
    RadioData& Data;
    const ModelState& Model;
    bool ShowTxAsShift;
    const Messages& Say;
    Views& Redraw;
};

// The one way in which the channel grid and the channel editor change a channel. `column` is the
// grid's column number; `value` is display text for columns 1 (RX) and 2 (TX, or the shift while
// ShowTxAsShift is on) and a decimal number for the others. Creates a channel on its first RX
// frequency, deletes it on an empty one (except the only channel), keeps the tones and the busy lock
// consistent, and ends by asking the views to redraw the channel.
void SetChannelField(const ChannelFieldContext& edit, int number, int column, const std::string& value);

}  // namespace mox
