#pragma once

#include <string>

#include "app/AppState.h"

namespace mox {

// The one way in which the channel grid and the channel editor change a channel. `column` is the
// grid's column number; `value` is display text for columns 1 (RX) and 2 (TX, or the shift while
// ShowTxAsShift is on) and a decimal number for the others. Creates a channel on its first RX
// frequency, deletes it on an empty one (except the only channel), keeps the tones and the busy lock
// consistent, and ends by asking the views to redraw the channel.
void SetChannelField(AppState& state, int number, int column, const std::string& value);

}  // namespace mox
