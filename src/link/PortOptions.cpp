#include "link/PortOptions.h"

#include "services/SetupFile.h"

namespace mox {

std::array<bool, kPortOptionCount> AvailablePortOptions(const AppState& state,
                                                        const std::vector<int>& portList) {
    std::array<bool, kPortOptionCount> available{};
    if (state.VistaFlag) {
        available.fill(true);
        return available;
    }
    for (int number : portList) {
        if (number >= 1 && number <= kPortOptionCount)
            available[number - 1] = true;
    }
    return available;
}

int SelectedPortOption(const AppState& state) {
    const int number = state.Link.PortNumber;
    return number >= 1 && number <= kPortOptionCount ? number - 1 : -1;
}

bool ChoosePortOption(AppState& state, int index) {
    if (index < 0 || index >= kPortOptionCount)
        return false;
    state.Link.PortNumber = index + 1;
    WriteSetupValue(state, "comPort", state.Link.PortNumber);
    return true;
}

}  // namespace mox
