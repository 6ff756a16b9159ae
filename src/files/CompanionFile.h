#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "records/RadioData.h"
#include "services/FileReplace.h"

namespace mox {

constexpr std::size_t kCompanionFileSize = 5;

// radio1.dat -> radio1.NVD
std::optional<std::filesystem::path> CompanionPathOf(const std::filesystem::path& dataPath);

// The tag and AlarmMode of the companion file; "V200" and 1 when it is missing or not 5 bytes long.
CompanionRecord ReadCompanionFile(const std::filesystem::path& dataPath);

// What saving data at `dataPath` writes: the data file and, where its name has one, the companion.
std::vector<FileContent> DataFileWithCompanion(const std::filesystem::path& dataPath, const RadioData& data,
                                               const CompanionRecord& companion);

}  // namespace mox
