#pragma once

#include <cstdint>

#include "records/FeatureFlags.h"
#include "records/RadioImage.h"

namespace mox {

// The radio's feature byte, from its identification reply or from an unpacked image: stored at image
// address 2828; the current feature flags become its bits 3, 2, 1 and 0; every remembered flag that is
// still 0 takes the current flag's value.
void TakeFeatureByte(std::uint8_t featureByte, RadioImage& image, FeatureFlags& flags);

}  // namespace mox
