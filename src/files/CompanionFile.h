#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string_view>

#include "records/RadioData.h"

namespace mox {

constexpr std::size_t kCompanionFileSize = 5;

// radio1.dat -> radio1.NVD
std::optional<std::filesystem::path> CompanionPathOf(const std::filesystem::path& dataPath);

// The tag and AlarmMode of the companion file; "V200" and 1 when it is missing or not 5 bytes long.
CompanionRecord ReadCompanionFile(const std::filesystem::path& dataPath);

// False when the file could not be written; the data file does not depend on it.
bool WriteCompanionFile(const std::filesystem::path& dataPath, const CompanionRecord& companion);

}  // namespace mox
