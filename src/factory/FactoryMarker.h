#pragma once

#include <string_view>

#include <filesystem>

#include "factory/FactoryState.h"

namespace mox {

constexpr std::string_view kFactoryAccessText = "ZK604_3187_Harbour_LanternDepot";
constexpr const char* kFactoryMarkerFile = "TestData.ini";

// The first 128 bytes of the marker file, cut at the first NUL and without trailing spaces, must be
// the access text exactly.
bool IsFactoryMarker(std::string_view firstBytes);

// Clears both copies of the test data and switches the factory test mode on when the marker file in
// the settings folder holds the access text. A missing or unreadable file leaves the mode off.
void CheckFactoryTestMode(FactoryState& factory, const std::filesystem::path& settingsFolder);

}  // namespace mox
