#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace mox {

// Up to `limit` bytes from the start of a regular file; nothing when it is missing or unreadable.
// Reading one byte more than the longest accepted length tells a too-long file from a fitting one.
std::optional<std::vector<std::uint8_t>> ReadFileStart(const std::filesystem::path& path, std::size_t limit);

// Writes the bytes to a temporary file beside the target and renames it over the target, so a failed
// save never leaves a half-written file and an older, longer file leaves no trailing bytes. False when
// anything failed; the target is then as it was.
bool ReplaceFileContent(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

}  // namespace mox
