#pragma once

// Folders the program fills by itself (backups, serial traces) name each file after the moment it was
// made, "YYYYMMDD-HHMMSS-...", so the order of the names is the order of their making.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace mox {

// The files of the folder with this extension (".dat"), newest first; none when the folder is missing.
std::vector<std::filesystem::path> FilesNewestFirst(const std::filesystem::path& folder,
                                                    std::string_view extension);

// Removes all but the newest `count` of them.
void KeepNewestFiles(const std::filesystem::path& folder, std::string_view extension, std::size_t count);

// "<folder>/<stem><extension>", or with "-2", "-3"... after the stem where that name is taken: two
// files made in the same second both stay.
std::filesystem::path FreeFileName(const std::filesystem::path& folder, const std::string& stem,
                                   std::string_view extension);

// "YYYYMMDD-HHMMSS" of a local time.
std::string TimeStampText(std::time_t when);
// A local time in a strftime format.
std::string LocalTimeText(std::time_t when, const char* format);

}  // namespace mox
