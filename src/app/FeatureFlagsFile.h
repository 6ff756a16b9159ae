#pragma once

// Setting.ini in the settings folder: the four remembered feature flags as four raw bytes, in the
// order bit 3, 2, 1, 0 of the radio's feature byte. Read at start, written at exit.

#include <filesystem>

#include "records/FeatureFlags.h"

namespace mox {

// A missing, unreadable or short file leaves all four flags 0, without a message.
void LoadRememberedFeatures(FeatureFlags& features, const std::filesystem::path& settingsFolder);

// False when the file cannot be written; the caller does not report it.
bool WriteRememberedFeatures(const FeatureFlags& features, const std::filesystem::path& settingsFolder);

}  // namespace mox
