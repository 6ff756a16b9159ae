#include "services/SiblingPath.h"

#include <algorithm>
#include <string>

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

}  // namespace mox
