#pragma once

#include <cstdint>
#include <vector>

#include "SimRadio.h"

namespace mox::sim {

// The memory of a plausible programmed radio: a few channels, default settings, the identity of
// the configuration, its password, a filled-in information block and calibration values.
std::vector<std::uint8_t> InitialSimMemory(const SimConfig& config);

// Stores model code, band code, version and feature byte at 2816..2828, as the radio keeps them.
void StoreIdentity(std::vector<std::uint8_t>& memory, const SimConfig& config);
// Stores the password at 2876..2879: up to four characters, then 00; no password leaves FF.
void StorePassword(std::vector<std::uint8_t>& memory, const std::string& password);

}  // namespace mox::sim
