#include "files/CompanionFile.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "files/DataFileLayout.h"
#include "services/FileBytes.h"
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

std::vector<FileContent> DataFileWithCompanion(const std::filesystem::path& dataPath, const RadioData& data,
                                               const CompanionRecord& companion) {
    std::vector<FileContent> files{{dataPath, EncodeDataRecord(data)}};
    if (const auto path = CompanionPathOf(dataPath)) {
        std::vector<std::uint8_t> bytes(companion.Tag.begin(), companion.Tag.end());
        bytes.push_back(companion.AlarmMode);
        files.push_back({*path, bytes});
    }
    return files;
}

}  // namespace mox
