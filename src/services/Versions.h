#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "services/ProgramServices.h"
#include "services/VersionRecords.h"

namespace mox {

// Version.ini of the root folder; a missing file or key gives empty values.
VersionRecords ReadVersionRecords(const std::filesystem::path& rootFolder);
// Four characters after CutFixedText: "V" and three digits.
bool IsVersionTag(std::string_view text);
bool IsHandledVersion(const VersionRecords& versions, std::string_view program, std::string_view other);
std::string ProgramForVersion(const VersionRecords& versions, std::string_view other);
// "V200" is shown as V2.00.
std::string ShownVersion(std::string_view tag);
// kind 0: a radio, 1: a data file.
std::string VersionQuestion(const Messages& messages, std::string_view program, std::string_view other,
                            int kind);
// Starts the installed program version that handles `other` and ends this program; message 9063 and
// false when there is none.
bool SwitchToVersion(const ProgramServices& program, std::string_view other);

}  // namespace mox
