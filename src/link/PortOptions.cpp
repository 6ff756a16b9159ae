#include "link/PortOptions.h"

#include "services/SetupFile.h"

namespace mox {

std::array<bool, kPortOptionCount> AvailablePortOptions(bool vistaFlag, const std::vector<int>& portList) {
    std::array<bool, kPortOptionCount> available{};
    if (vistaFlag) {
        available.fill(true);
        return available;
    }
    for (int number : portList) {
        if (number >= 1 && number <= kPortOptionCount)
            available[number - 1] = true;
    }
    return available;
}

int SelectedPortOption(const LinkSettings& link) {
    const int number = link.PortNumber;
    return number >= 1 && number <= kPortOptionCount ? number - 1 : -1;
}

bool ChoosePortOption(LinkSettings& link, const std::filesystem::path& setupFile, int index) {
    if (index < 0 || index >= kPortOptionCount)
        return false;
    link.PortNumber = index + 1;
    WriteSetupValue(setupFile, "comPort", link.PortNumber);
    return true;
}

}  // namespace mox
