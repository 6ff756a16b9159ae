#include "files/CompanionFile.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "services/FileBytes.h"
#include "services/FileReplace.h"
#include "services/SiblingPath.h"

namespace mox {

std::optional<std::filesystem::path> CompanionPathOf(const std::filesystem::path& dataPath) {
    return SiblingPath(dataPath, 3, "NVD");
}

CompanionRecord ReadCompanionFile(const std::filesystem::path& dataPath) {
    CompanionRecord companion;
    const auto path = CompanionPathOf(dataPath);
    if (!path)
        return companion;
    const auto bytes = ReadFileStart(*path, kCompanionFileSize + 1);
    if (!bytes || bytes->size() != kCompanionFileSize)
        return companion;
    std::copy_n(bytes->begin(), companion.Tag.size(), companion.Tag.begin());
    companion.AlarmMode = (*bytes)[4];
    return companion;
}

bool WriteCompanionFile(const std::filesystem::path& dataPath, const CompanionRecord& companion) {
    const auto path = CompanionPathOf(dataPath);
    if (!path)
        return false;
    std::vector<std::uint8_t> bytes(companion.Tag.begin(), companion.Tag.end());
    bytes.push_back(companion.AlarmMode);
    return ReplaceFileContent(*path, bytes);
}

}  // namespace mox
