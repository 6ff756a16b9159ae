#pragma once

// mysetup.ini, shared by every installed version: the link settings, the first-run flag and the
// language, all in section "language".

#include <filesystem>
#include <optional>
#include <string_view>

namespace mox {

// The section of mysetup.ini that holds every value.
constexpr std::string_view kSetupSection = "language";

// root folder/language/mysetup.ini, the root folder being the parent of the program folder.
std::filesystem::path SetupFilePath(const std::filesystem::path& programFolder);

// The stored CurrentLanguage when it is 1 or 2; nothing for a missing or any other value.
std::optional<int> ReadStoredLanguage(const std::filesystem::path& programFolder);

// Writes one key of section "language" as decimal text; false when the file cannot be written.
bool WriteSetupValue(const std::filesystem::path& programFolder, std::string_view key, int value);

}  // namespace mox
