#pragma once

#include <array>
#include <cstdint>

namespace mox {

// The radio's configuration memory at its own addresses 0..2831; erased value 0xFF; multi-byte
// numbers big-endian.
constexpr int kRadioImageSize = 2832;
using RadioImage = std::array<std::uint8_t, kRadioImageSize>;

// The radio information block: radio addresses 2832..3327 (index = address - 2832). Filled only by
// the radio information read and never written to the radio.
constexpr int kRadioInfoBlockAddress = 2832;
constexpr int kRadioInfoBlockSize = 496;
using RadioInfoBlock = std::array<std::uint8_t, kRadioInfoBlockSize>;

}  // namespace mox
