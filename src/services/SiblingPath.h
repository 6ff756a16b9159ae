#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string_view>

namespace mox {

// A file that travels with a data file: the data file's name with its last `count` characters
// replaced. Nothing when that names the data file itself (a data file called "x.NVD" or "x.ted"),
// which a companion write would destroy, or when the path has no file name.
std::optional<std::filesystem::path> SiblingPath(const std::filesystem::path& dataPath, std::size_t count,
                                                 std::string_view replacement);

}  // namespace mox
