#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

#include "services/FileSystem.h"

namespace mox {

// Gives a file new content, as every save of the program does (data files and the files beside
// them, the INI files, the small settings records):
// - a file the user could not open for writing is refused and stays as it was; so is a file marked
//   read-only (no write permission for anybody), even for root, whom the system would let write it;
// - a symbolic link is followed to the file it finally names, which gets the content; the link stays;
// - the file keeps its permissions, owner and group;
// - where its folder takes new files, the content goes to a temporary file beside it, is synced to
//   the disk and renamed over it, and the folder is synced: whenever the save stops, the file holds
//   either its old or its new content, and an older, longer file leaves no trailing bytes; a save
//   that fails leaves no temporary file;
// - in a folder that takes no new files, a writable file is overwritten in place.
// False when the content could not be saved.
bool ReplaceFileContent(FileSystem& files, const std::filesystem::path& path,
                        std::span<const std::uint8_t> bytes);
bool ReplaceFileContent(FileSystem& files, const std::filesystem::path& path, std::string_view text);
// The same on the computer's own file system.
bool ReplaceFileContent(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);
bool ReplaceFileContent(const std::filesystem::path& path, std::string_view text);

struct FileContent {
    std::filesystem::path Path;
    std::vector<std::uint8_t> Bytes;
};

// Files that belong together (a data file and its companion): each is saved as above, but all new
// contents are written and synced before the first file changes, so a failure while writing (a full
// disk among them) changes none of them. When putting one in place fails after others were, those get
// their old content back (or are removed when they did not exist). False when any could not be saved.
bool ReplaceFilesTogether(FileSystem& files, std::span<const FileContent> contents);

}  // namespace mox
