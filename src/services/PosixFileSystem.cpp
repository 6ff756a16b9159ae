// Saving on the POSIX file system calls. No other file of the core needs them: a port to another
// system replaces this file.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <system_error>
#include <vector>

#include "services/FileSystem.h"

namespace mox {

namespace {

namespace fs = std::filesystem;

// Links naming links are followed this deep, as the system itself does.
constexpr int kMaxLinkDepth = 40;
constexpr mode_t kAnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;

// The file a path finally names: symbolic links are followed one by one, a relative link from the
// folder it lies in. A path that names nothing yet is its own target. Nothing for a loop of links.
std::optional<fs::path> FinalTarget(fs::path path) {
    for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return path;
        std::error_code error;
        const fs::path link = fs::read_symlink(path, error);
        if (error)
            return std::nullopt;
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
    return std::nullopt;
}

fs::path FolderOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

// What the system allows the user and, beyond that, at least one write permission: a file or folder
// without any is marked read-only, and a save respects that also where the system would not (root).
bool MayChange(const fs::path& path, const struct stat& info, int access) {
    return (info.st_mode & kAnyWrite) != 0 && ::faccessat(AT_FDCWD, path.c_str(), access, AT_EACCESS) == 0;
}

// A user may give a file only to himself and to his own groups; root to anybody. A new file that could
// not keep the old one's owner and group would take them from the user.
bool CanKeepOwner(const struct stat& old) {
    if (::geteuid() == 0)
        return true;
    if (old.st_uid != ::geteuid())
        return false;
    if (old.st_gid == ::getegid())
        return true;
    const int count = ::getgroups(0, nullptr);
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(count, 0)));
    const int listed = ::getgroups(count, groups.data());
    return listed >= 0 && std::find(groups.begin(), groups.begin() + listed, old.st_gid) != groups.end();
}

// The permissions a file created the ordinary way gets: read and write for all, less the umask.
mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

class PosixFileSystem : public FileSystem {
public:
    std::optional<SavePlan> PlanSave(const fs::path& path) override {
        const auto target = FinalTarget(path);
        if (!target)
            return std::nullopt;
        struct stat old {};
        const bool exists = ::stat(target->c_str(), &old) == 0;
        if (!exists && errno != ENOENT)
            return std::nullopt;
        if (exists && (!S_ISREG(old.st_mode) || !MayChange(*target, old, W_OK)))
            return std::nullopt;
        const fs::path folder = FolderOf(*target);
        struct stat folderInfo {};
        const bool folderTakesFiles =
            ::stat(folder.c_str(), &folderInfo) == 0 && MayChange(folder, folderInfo, W_OK | X_OK);
        if (!exists)
            return folderTakesFiles ? std::optional(SavePlan{*target, SavePlan::Way::Beside, false})
                                    : std::nullopt;
        // A file with other hard links changes under every name only where it is.
        const bool beside = folderTakesFiles && old.st_nlink == 1 && CanKeepOwner(old);
        return SavePlan{*target, beside ? SavePlan::Way::Beside : SavePlan::Way::InPlace, true};
    }

    std::optional<Handle> CreateBeside(const SavePlan& plan, fs::path& made) override {
        // A name of its own, not one made from the target's: that could pass the longest name allowed.
        std::string pattern = (FolderOf(plan.File) / ".moxcps-save.XXXXXX").string();
        const int fd = ::mkstemp(pattern.data());
        if (fd < 0)
            return std::nullopt;
        struct stat old {};
        bool ready = true;
        if (plan.Exists)
            ready = ::stat(plan.File.c_str(), &old) == 0 && ::fchown(fd, old.st_uid, old.st_gid) == 0;
        ready = ready && ::fchmod(fd, plan.Exists ? old.st_mode & 07777 : NewFileMode()) == 0;
        if (!ready) {
            ::close(fd);
            ::unlink(pattern.c_str());
            return std::nullopt;
        }
        made = pattern;
        return fd;
    }

    std::optional<Handle> CreateScratch(fs::path& made) override {
        std::error_code error;
        const fs::path folder = fs::temp_directory_path(error);
        if (error)
            return std::nullopt;
        std::string pattern = (folder / "moxcps-save.XXXXXX").string();
        const int fd = ::mkstemp(pattern.data());
        if (fd < 0)
            return std::nullopt;
        made = pattern;
        return fd;
    }

    std::optional<Handle> OpenForOverwrite(const fs::path& file) override {
        const int fd = ::open(file.c_str(), O_WRONLY | O_CLOEXEC);
        return fd >= 0 ? std::optional(fd) : std::nullopt;
    }

    std::optional<std::size_t> Write(Handle file, std::span<const std::uint8_t> bytes) override {
        for (;;) {
            const ssize_t written = ::write(file, bytes.data(), bytes.size());
            if (written >= 0)
                return static_cast<std::size_t>(written);
            if (errno != EINTR)
                return std::nullopt;
        }
    }

    bool Truncate(Handle file, std::size_t length) override {
        return ::ftruncate(file, static_cast<off_t>(length)) == 0;
    }

    bool Flush(Handle file) override { return ::fsync(file) == 0; }

    bool Close(Handle file) override { return ::close(file) == 0; }

    bool Rename(const fs::path& from, const fs::path& to) override {
        return ::rename(from.c_str(), to.c_str()) == 0;
    }

    void Remove(const fs::path& file) override { ::unlink(file.c_str()); }

    // Some file systems cannot sync a folder; the new content is in place all the same, so that does
    // not fail the save.
    void SyncFolder(const fs::path& folder) override {
        const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return;
        static_cast<void>(::fsync(fd));
        ::close(fd);
    }
};

}  // namespace

FileSystem& SystemFiles() {
    // Holds no state: every call goes straight to the system.
    static PosixFileSystem files;
    return files;
}

}  // namespace mox
