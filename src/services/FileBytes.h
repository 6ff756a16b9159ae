#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace mox {

// Up to `limit` bytes from the start of a regular file; nothing when it is missing or unreadable.
// Reading one byte more than the longest accepted length tells a too-long file from a fitting one.
std::optional<std::vector<std::uint8_t>> ReadFileStart(const std::filesystem::path& path, std::size_t limit);

}  // namespace mox
