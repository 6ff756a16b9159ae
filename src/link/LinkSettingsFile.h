#pragma once

#include <filesystem>

#include "app/AppState.h"

namespace mox {

// root/language/mysetup.ini, which every installed version shares.
std::filesystem::path MySetupFile(const AppState& state);

// Writes `comPort`, `Handshaking` and `StopBit` after a search has chosen them. False when the file
// cannot be written.
bool SaveLinkSettings(const AppState& state);

}  // namespace mox
