#pragma once

#include "records/RadioData.h"
#include "records/RadioRecords.h"

namespace mox {

// FunctionSettings and the companion's AlarmMode -> image addresses 2096..2559 and 2688..2751. The
// records are not changed.
void PackFunctionSettings(RadioRecords& radio);
// Image -> FunctionSettings and AlarmMode, then the feature flags from byte 2828.
void UnpackFunctionSettings(RadioRecords& radio);
// Every field of the function settings to its default.
void ResetFunctionSettings(FunctionSettings& functions);

}  // namespace mox
