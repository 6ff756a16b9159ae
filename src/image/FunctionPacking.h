#pragma once

#include "app/AppState.h"

namespace mox {

// FunctionSettings and the companion's AlarmMode -> image addresses 2096..2559 and 2688..2751. The
// records are not changed.
void PackFunctionSettings(AppState& state);
// Image -> FunctionSettings and AlarmMode, then the feature flags from byte 2828.
void UnpackFunctionSettings(AppState& state);
// Every field of the working FunctionSettings to its default.
void ResetFunctionSettings(AppState& state);

}  // namespace mox
