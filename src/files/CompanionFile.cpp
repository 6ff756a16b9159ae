#include "files/CompanionFile.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "services/FileBytes.h"
#include "services/FileReplace.h"

namespace mox {

namespace {

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

}  // namespace

std::optional<std::filesystem::path> SiblingPath(const std::filesystem::path& dataPath, std::size_t count,
                                                 std::string_view replacement) {
    const std::string name = dataPath.filename().string();
    if (name.empty())
        return std::nullopt;
    const std::string sibling =
        name.substr(0, name.size() - std::min(count, name.size())) + std::string(replacement);
    // A case-insensitive file system would see the same file in "x.nvd" and "x.NVD".
    if (SameNameIgnoringCase(sibling, name))
        return std::nullopt;
    std::filesystem::path result = dataPath;
    result.replace_filename(sibling);
    return result;
}

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
