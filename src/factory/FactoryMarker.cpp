#include "factory/FactoryMarker.h"

#include <string>

#include "services/FileBytes.h"

namespace mox {

namespace {

constexpr std::size_t kMarkerBytes = 128;

}  // namespace

bool IsFactoryMarker(std::string_view firstBytes) {
    std::string_view text = firstBytes.substr(0, kMarkerBytes);
    text = text.substr(0, text.find('\0'));
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text == kFactoryAccessText;
}

void CheckFactoryTestMode(FactoryState& factory, const std::filesystem::path& settingsFolder) {
    factory.WorkingTestData = {};
    factory.SavedTestData = {};
    const auto bytes = ReadFileStart(settingsFolder / kFactoryMarkerFile, kMarkerBytes);
    factory.FactoryTestMode = bytes && IsFactoryMarker(std::string(bytes->begin(), bytes->end()));
}

}  // namespace mox
