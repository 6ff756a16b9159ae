#pragma once

#include <array>
#include <vector>

#include <filesystem>

#include "link/LinkSettings.h"

namespace mox {

// The port settings dialog offers the ports 1 to 16.
constexpr int kPortOptionCount = 16;

// Which of the options 1..16 name a port that exists now (all of them with the Vista flag); ports
// above 16 have no option.
std::array<bool, kPortOptionCount> AvailablePortOptions(bool vistaFlag, const std::vector<int>& portList);

// The option of the port in use, -1 when the port is above 16.
int SelectedPortOption(const LinkSettings& link);

// The dialog's OK: the port of option `index` (0..15) becomes the link's port and is written to
// `comPort` of mysetup.ini. False, with nothing changed, when no option is selected.
bool ChoosePortOption(LinkSettings& link, const std::filesystem::path& setupFile, int index);

}  // namespace mox
