#include "services/SetupFile.h"

#include <system_error>

#include "services/IniFile.h"
#include "services/LanguageState.h"
#include "services/NumberText.h"
#include "services/Versions.h"

namespace mox {

std::filesystem::path SetupFilePath(const std::filesystem::path& programFolder) {
    return RootFolder(programFolder) / "language" / "mysetup.ini";
}

std::optional<int> ReadStoredLanguage(const std::filesystem::path& programFolder) {
    const std::optional<int> value =
        ParseWholeNumber(ReadIniString(SetupFilePath(programFolder), kSetupSection, "CurrentLanguage"));
    if (value == kEnglish || value == kChinese)
        return value;
    return std::nullopt;
}

bool WriteSetupValue(const std::filesystem::path& programFolder, std::string_view key, int value) {
    const std::filesystem::path file = SetupFilePath(programFolder);
    std::error_code ignored;
    std::filesystem::create_directories(file.parent_path(), ignored);
    return WriteIniString(file, kSetupSection, key, WholeNumberText(value));
}

}  // namespace mox
