#pragma once

// mysetup.ini, shared by every installed version: the link settings, the first-run flag and the
// language, all in section "language".

#include <filesystem>
#include <optional>
#include <string_view>

#include "app/AppState.h"

namespace mox {

// root folder/language/mysetup.ini
std::filesystem::path SetupFilePath(const AppState& state);

// Reads IsFirstRun, comPort, Handshaking and StopBit into the link settings. A missing or malformed
// value gives the start of a new installation: first run, port 1, no handshaking, 1 stop bit.
void ReadLinkSetup(AppState& state);

// The stored CurrentLanguage when it is 1 or 2; nothing for a missing or any other value.
std::optional<int> ReadStoredLanguage(const AppState& state);

// Writes one key of section "language" as decimal text; false when the file cannot be written.
bool WriteSetupValue(const AppState& state, std::string_view key, int value);

}  // namespace mox
