#pragma once

#include <array>
#include <cstdint>

namespace mox {

// Bits 3, 2, 1 and 0 of the radio's feature byte (image address 2828), in this order. The current
// flags come from the last identification reply or unpacked image; a remembered flag, once set, stays
// set across runs (Setting.ini).
struct FeatureFlags {
    std::array<std::uint8_t, 4> Current{};
    std::array<std::uint8_t, 4> Remembered{};
};

}  // namespace mox
