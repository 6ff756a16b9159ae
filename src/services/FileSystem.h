#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

namespace mox {

// Where a new content for a path goes: the file the path finally names (links followed) and whether a
// new file beside it can take its place or it must be overwritten where it is.
struct SavePlan {
    enum class Way { Beside, InPlace };

    std::filesystem::path File;
    Way How = Way::Beside;
    bool Exists = false;
};

// The steps of saving a file, each of which the system may refuse: the program saves only through
// this, so that every step can be made to fail.
class FileSystem {
public:
    using Handle = int;

    virtual ~FileSystem() = default;

    // How a new content reaches `path`; nothing when the file must not be changed: read-only, not a
    // regular file, a loop of links, a folder that takes no new file for a file that does not exist.
    virtual std::optional<SavePlan> PlanSave(const std::filesystem::path& path) = 0;
    // Opens a new, empty file beside `plan.File` with the permissions, owner and group the old file
    // has (or a new file gets); `made` receives its path.
    virtual std::optional<Handle> CreateBeside(const SavePlan& plan, std::filesystem::path& made) = 0;
    // Opens a new, empty file of the user's own in the system's folder for temporary files.
    virtual std::optional<Handle> CreateScratch(std::filesystem::path& made) = 0;
    // Opens an existing file for writing from its start; its content stays until overwritten.
    virtual std::optional<Handle> OpenForOverwrite(const std::filesystem::path& file) = 0;
    // Writes from the start of `bytes`: how many the system took, which may be fewer; nothing on an
    // error (a full disk among them).
    virtual std::optional<std::size_t> Write(Handle file, std::span<const std::uint8_t> bytes) = 0;
    virtual bool Truncate(Handle file, std::size_t length) = 0;
    // Sends what was written to the disk and waits until it is there.
    virtual bool Flush(Handle file) = 0;
    // False when the system reports a late write error.
    virtual bool Close(Handle file) = 0;
    virtual bool Rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
    virtual void Remove(const std::filesystem::path& file) = 0;
    // Makes the renames in a folder durable.
    virtual void SyncFolder(const std::filesystem::path& folder) = 0;
};

// The computer's own file system.
FileSystem& SystemFiles();

}  // namespace mox
