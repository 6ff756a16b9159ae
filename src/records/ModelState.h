#pragma once

#include <cstdint>
#include <string>

namespace mox {

// The model and band the program works for. The limits always follow the band name (SetBandLimits).
struct ModelState {
    std::string ModelCode = "RB516";
    std::string BandName = "400 - 480 MHz";
    std::uint8_t BandCode = 0;
    double LowerLimit = 400;  // MHz
    double UpperLimit = 480;  // MHz
};

}  // namespace mox
