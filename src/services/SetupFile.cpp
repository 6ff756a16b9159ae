#include "services/SetupFile.h"

#include <system_error>

#include "services/IniFile.h"
#include "services/LanguageState.h"
#include "services/NumberText.h"

namespace mox {

std::optional<int> ReadStoredLanguage(const std::filesystem::path& setupFile) {
    const std::optional<int> value =
        ParseWholeNumber(ReadIniString(setupFile, kSetupSection, "CurrentLanguage"));
    if (value == kEnglish || value == kChinese)
        return value;
    return std::nullopt;
}

bool WriteSetupValue(const std::filesystem::path& setupFile, std::string_view key, int value) {
    std::error_code ignored;
    std::filesystem::create_directories(setupFile.parent_path(), ignored);
    return WriteIniString(setupFile, kSetupSection, key, WholeNumberText(value));
}

}  // namespace mox
