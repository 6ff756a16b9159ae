#include "app/FeatureFlagsFile.h"

#include "services/RecordFile.h"

namespace mox {

namespace {

std::filesystem::path FeatureFlagsPath(const std::filesystem::path& settingsFolder) {
    return settingsFolder / "Setting.ini";
}

}  // namespace

void LoadRememberedFeatures(FeatureFlags& features, const std::filesystem::path& settingsFolder) {
    auto& flags = features.Remembered;
    flags = {};
    const std::optional<std::string> record = ReadRecord(FeatureFlagsPath(settingsFolder), flags.size());
    if (!record)
        return;
    // A flag is 0 or 1; a damaged byte counts as set, as once set a flag stays set.
    for (std::size_t i = 0; i < flags.size(); ++i)
        flags[i] = (*record)[i] != 0 ? 1 : 0;
}

bool WriteRememberedFeatures(const FeatureFlags& features, const std::filesystem::path& settingsFolder) {
    const auto& flags = features.Remembered;
    std::string record;
    for (const std::uint8_t flag : flags)
        record.push_back(static_cast<char>(flag));
    return WriteRecord(FeatureFlagsPath(settingsFolder), record);
}

}  // namespace mox
