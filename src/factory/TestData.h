#pragma once

#include <array>
#include <cstdint>

namespace mox {

// The sixteen calibration bytes of the factory test block (radio address 8176).
using TestData = std::array<std::uint8_t, 16>;

}  // namespace mox
