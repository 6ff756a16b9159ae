#pragma once

// The link settings in mysetup.ini, which every installed version shares.

#include <filesystem>

#include "link/LinkSettings.h"

namespace mox {

// IsFirstRun, comPort, Handshaking and StopBit. A missing or malformed value gives the start of a new
// installation: first run, port 1, no handshaking, 1 stop bit.
LinkSettings ReadLinkSetup(const std::filesystem::path& setupFile);

// Writes `comPort`, `Handshaking` and `StopBit` after a search has chosen them. False when the file
// cannot be written.
bool SaveLinkSettings(const std::filesystem::path& setupFile, const LinkSettings& link);

}  // namespace mox
