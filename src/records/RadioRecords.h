#pragma once

#include "records/FeatureFlags.h"
#include "records/ModelState.h"
#include "records/RadioData.h"
#include "records/RadioImage.h"
#include "records/RadioInfo.h"

namespace mox {

// One radio configuration as the program holds it: the model and band it is for, the working records,
// the radio's feature flags, and the image and information block the radio exchanges them through.
struct RadioRecords {
    ModelState Model;
    FeatureFlags Features;
    RadioData Data;
    CompanionRecord Companion;
    RadioImage Image{};
    RadioInfoBlock InfoBlock{};
    RadioInfo Info;
    // Test-frequency pairs 11..15 of the image, which data files do not keep.
    FivePointPairs FivePoints{};
};

}  // namespace mox
