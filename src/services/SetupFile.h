#pragma once

// mysetup.ini, shared by every installed version: the link settings, the first-run flag and the
// language, all in section "language". The file in force is ProgramPaths::SetupFile: language/mysetup.ini
// of the root folder, or of the per-user folder when the settings live there.

#include <filesystem>
#include <optional>
#include <string_view>

namespace mox {

// The section of mysetup.ini that holds every value.
constexpr std::string_view kSetupSection = "language";

// The stored CurrentLanguage when it is 1 or 2; nothing for a missing or any other value.
std::optional<int> ReadStoredLanguage(const std::filesystem::path& setupFile);

// Writes one key of section "language" as decimal text, creating the file's folder; false when the file
// cannot be written.
bool WriteSetupValue(const std::filesystem::path& setupFile, std::string_view key, int value);

}  // namespace mox
