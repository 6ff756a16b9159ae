#include "link/LinkSettingsFile.h"

#include "app/IniFile.h"
#include "app/NumberText.h"
#include "app/Versions.h"

namespace mox {

std::filesystem::path MySetupFile(const AppState& state) {
    return RootFolder(state) / "language" / "mysetup.ini";
}

bool SaveLinkSettings(const AppState& state) {
    const std::filesystem::path file = MySetupFile(state);
    const bool port = WriteIniString(file, "language", "comPort", WholeNumberText(state.Link.PortNumber));
    const bool handshaking =
        WriteIniString(file, "language", "Handshaking", WholeNumberText(state.Link.Handshaking));
    const bool stopBits = WriteIniString(file, "language", "StopBit", WholeNumberText(state.Link.StopBits));
    return port && handshaking && stopBits;
}

}  // namespace mox
