#include "services/SetupFile.h"

#include <system_error>

#include "services/IniFile.h"
#include "services/NumberText.h"
#include "services/Versions.h"

namespace mox {

namespace {

constexpr std::string_view kSection = "language";

// A whole number within [low, high], else the fallback.
int NumberInRange(const IniContent& content, std::string_view key, int low, int high, int fallback) {
    const std::optional<int> value = ParseWholeNumber(IniValue(content, kSection, key));
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

std::filesystem::path SetupFilePath(const AppState& state) {
    return RootFolder(state) / "language" / "mysetup.ini";
}

void ReadLinkSetup(AppState& state) {
    std::string text;
    const IniContent content = ReadFileBytes(SetupFilePath(state), text) ? ParseIni(text) : IniContent{};
    // Without a readable flag the link search runs, which finds the port and then stores the flag.
    state.Link.IsFirstRun = ParseFlag(IniValue(content, kSection, "IsFirstRun")).value_or(true);
    state.Link.PortNumber = NumberInRange(content, "comPort", 1, 255, 1);
    state.Link.Handshaking = NumberInRange(content, "Handshaking", 0, 3, 0);
    state.Link.StopBits = NumberInRange(content, "StopBit", 1, 2, 1);
}

std::optional<int> ReadStoredLanguage(const AppState& state) {
    const std::optional<int> value =
        ParseWholeNumber(ReadIniString(SetupFilePath(state), kSection, "CurrentLanguage"));
    if (value == kEnglish || value == kChinese)
        return value;
    return std::nullopt;
}

bool WriteSetupValue(const AppState& state, std::string_view key, int value) {
    const std::filesystem::path file = SetupFilePath(state);
    std::error_code ignored;
    std::filesystem::create_directories(file.parent_path(), ignored);
    return WriteIniString(file, kSection, key, WholeNumberText(value));
}

}  // namespace mox
