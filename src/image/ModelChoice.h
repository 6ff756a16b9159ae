#pragma once

#include <string_view>

#include "app/AppState.h"

namespace mox {

// The model dialog's OK. An unchanged choice does nothing. A changed one asks warning 9016 (title
// 9019, OK/Cancel); OK makes the chosen model and band current. True when they became current, so
// that new data follows.
bool ApplyModelChoice(AppState& state, std::string_view displayName, std::string_view bandName);

}  // namespace mox
