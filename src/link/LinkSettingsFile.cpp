#include "link/LinkSettingsFile.h"

#include "services/SetupFile.h"

namespace mox {

std::filesystem::path MySetupFile(const AppState& state) {
    return SetupFilePath(state);
}

bool SaveLinkSettings(const AppState& state) {
    const bool port = WriteSetupValue(state, "comPort", state.Link.PortNumber);
    const bool handshaking = WriteSetupValue(state, "Handshaking", state.Link.Handshaking);
    const bool stopBits = WriteSetupValue(state, "StopBit", state.Link.StopBits);
    return port && handshaking && stopBits;
}

}  // namespace mox
