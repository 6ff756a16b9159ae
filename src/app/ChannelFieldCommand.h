#pragma once

#include <string>

#include "app/AppState.h"
#include "image/SetChannelField.h"

namespace mox {

// The channel edit of the channel grid and the channel editor: the program's records and band, the
// user's ShowTxAsShift habit, its messages and its views.
ChannelFieldContext ChannelFieldsOf(AppState& state);
void SetChannelField(AppState& state, int number, int column, const std::string& value);

}  // namespace mox
