#include "app/WindowPlacement.h"

#include "services/NumberText.h"

namespace mox {

namespace {

constexpr std::string_view kSection = "Settings";

int ReadTwips(const SettingsStore& store, std::string_view key, int fallback) {
    return ParseWholeNumber(store.Read(kSection, key, WholeNumberText(fallback))).value_or(fallback);
}

// A damaged store must not make the window vanish: a size of nothing takes the default.
int ReadSize(const SettingsStore& store, std::string_view key, int fallback) {
    const int size = ReadTwips(store, key, fallback);
    return size > 0 ? size : fallback;
}

}  // namespace

WindowPlacement ReadMainPlacement(const SettingsStore& store) {
    const WindowPlacement defaults;
    WindowPlacement placement;
    placement.Left = ReadTwips(store, "MainLeft", defaults.Left);
    placement.Top = ReadTwips(store, "MainTop", defaults.Top);
    placement.Width = ReadSize(store, "MainWidth", defaults.Width);
    placement.Height = ReadSize(store, "MainHeight", defaults.Height);
    return placement;
}

void StoreMainPlacement(SettingsStore& store, const WindowPlacement& placement) {
    store.Write(kSection, "MainLeft", WholeNumberText(placement.Left));
    store.Write(kSection, "MainTop", WholeNumberText(placement.Top));
    store.Write(kSection, "MainWidth", WholeNumberText(placement.Width));
    store.Write(kSection, "MainHeight", WholeNumberText(placement.Height));
}

}  // namespace mox
