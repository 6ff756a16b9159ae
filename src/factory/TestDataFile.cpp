#include "factory/TestDataFile.h"

#include <algorithm>

#include "services/FileBytes.h"
#include "services/FileReplace.h"
#include "services/SiblingPath.h"

namespace mox {

std::optional<std::filesystem::path> TestDataPathOf(const std::filesystem::path& dataPath) {
    return SiblingPath(dataPath, 4, ".ted");
}

bool LoadTestDataFile(const std::filesystem::path& path, TestData& data) {
    const auto bytes = ReadFileStart(path, data.size());
    if (!bytes || bytes->size() != data.size())
        return false;
    std::ranges::copy(*bytes, data.begin());
    return true;
}

bool SaveTestDataFile(FileSystem& files, const std::filesystem::path& path, const TestData& data) {
    return ReplaceFileContent(files, path, data);
}

}  // namespace mox
