#include "link/LinkSettingsFile.h"

#include <optional>
#include <string>

#include "services/IniFile.h"
#include "services/NumberText.h"
#include "services/SetupFile.h"

namespace mox {

namespace {

// A whole number within [low, high], else the fallback.
int NumberInRange(const IniContent& content, std::string_view key, int low, int high, int fallback) {
    const std::optional<int> value = ParseWholeNumber(IniValue(content, kSetupSection, key));
    return value && *value >= low && *value <= high ? *value : fallback;
}

// "1" and "0" as written by the program, any other number as non-zero = true, and the words True and
// False; anything else is unreadable.
std::optional<bool> ParseFlag(const std::string& text) {
    if (const std::optional<int> number = ParseWholeNumber(text))
        return *number != 0;
    const std::string word = AsciiLower(text);
    if (word == "true")
        return true;
    if (word == "false")
        return false;
    return std::nullopt;
}

}  // namespace

LinkSettings ReadLinkSetup(const std::filesystem::path& setupFile) {
    std::string text;
    const IniContent content = ReadFileBytes(setupFile, text) ? ParseIni(text) : IniContent{};
    LinkSettings link;
    // Without a readable flag the link search runs, which finds the port and then stores the flag.
    link.IsFirstRun = ParseFlag(IniValue(content, kSetupSection, "IsFirstRun")).value_or(true);
    link.PortNumber = NumberInRange(content, "comPort", 1, 255, 1);
    link.Handshaking = NumberInRange(content, "Handshaking", 0, 3, 0);
    link.StopBits = NumberInRange(content, "StopBit", 1, 2, 1);
    return link;
}

bool SaveLinkSettings(const std::filesystem::path& setupFile, const LinkSettings& link) {
    const bool port = WriteSetupValue(setupFile, "comPort", link.PortNumber);
    const bool handshaking = WriteSetupValue(setupFile, "Handshaking", link.Handshaking);
    const bool stopBits = WriteSetupValue(setupFile, "StopBit", link.StopBits);
    return port && handshaking && stopBits;
}

}  // namespace mox
