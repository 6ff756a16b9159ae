// Saving on the POSIX file system calls. No other file of the core needs them: a port to another
// system replaces this file.
#include "services/FileReplace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <optional>
#include <string>
#include <system_error>

namespace mox {

namespace {

namespace fs = std::filesystem;

// Links naming links are followed this deep, as the system itself does.
constexpr int kMaxLinkDepth = 40;
constexpr mode_t kAnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;

class Descriptor {
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    ~Descriptor() { Close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    bool IsOpen() const { return m_fd >= 0; }
    int Get() const { return m_fd; }
    // False when the system reports a late write error on closing.
    bool Close() {
        if (m_fd < 0)
            return true;
        const int result = ::close(m_fd);
        m_fd = -1;
        return result == 0;
    }

private:
    int m_fd;
};

// A new file with a unique name made from `pattern` (ending in "XXXXXX"), readable and writable by the
// user only; removed again unless it has been renamed (Keep).
class TemporaryFile {
public:
    explicit TemporaryFile(std::string pattern)
        : m_path(std::move(pattern)), m_file(::mkstemp(m_path.data())), m_remove(m_file.IsOpen()) {}
    ~TemporaryFile() {
        m_file.Close();
        if (m_remove)
            ::unlink(m_path.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    Descriptor& File() { return m_file; }
    const std::string& Path() const { return m_path; }
    void Keep() { m_remove = false; }

private:
    std::string m_path;
    Descriptor m_file;
    bool m_remove;
};

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

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

// The permissions a file created the ordinary way gets: read and write for all, less the umask.
mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Makes a rename durable. Some file systems cannot sync a folder; the new content is in place all the
// same, so that does not fail the save.
void SyncFolder(const fs::path& folder) {
    const Descriptor handle(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (handle.IsOpen())
        static_cast<void>(::fsync(handle.Get()));
}

enum class Replaced { Yes, No, OwnerNotKept };

// The new content in a temporary file beside the target, synced, then renamed over it. `old` is the
// target's state when it exists: its owner, group and permissions go to the new file. A user may give
// a file only to himself and his own groups; when that does not keep the owner, nothing is changed.
Replaced ReplaceBeside(const fs::path& target, const struct stat* old, std::span<const std::uint8_t> bytes) {
    // A name of its own, not one made from the target's: that could pass the longest name allowed.
    TemporaryFile temp((FolderOf(target) / ".moxcps-save.XXXXXX").string());
    const int fd = temp.File().Get();
    if (!temp.File().IsOpen())
        return Replaced::No;
    if (old != nullptr && ::fchown(fd, old->st_uid, old->st_gid) != 0)
        return Replaced::OwnerNotKept;
    const mode_t mode = old != nullptr ? old->st_mode & 07777 : NewFileMode();
    if (::fchmod(fd, mode) != 0 || !WriteAll(fd, bytes) || ::fsync(fd) != 0 || !temp.File().Close())
        return Replaced::No;
    if (::rename(temp.Path().c_str(), target.c_str()) != 0)
        return Replaced::No;
    temp.Keep();
    SyncFolder(FolderOf(target));
    return Replaced::Yes;
}

bool CopyAll(int from, int to) {
    std::array<std::uint8_t, 65536> buffer{};
    for (;;) {
        const ssize_t got = ::read(from, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        if (!WriteAll(to, std::span(buffer.data(), static_cast<std::size_t>(got))))
            return false;
    }
}

// The target is overwritten in place, where no new file can take its place: in a folder that takes
// no new files, for a file with other hard links, or one whose owner a new file would not keep.
// Keeping the file intact when this write fails cannot be promised. To make a failure less likely,
// the new content is first written whole to a temporary file elsewhere and synced, and only then
// copied over the target from its start; the target is cut to the new length at the end, so a file of
// the same length (every data file) needs no new space on its disk.
bool WriteInPlace(const fs::path& target, std::span<const std::uint8_t> bytes) {
    std::error_code error;
    const fs::path elsewhere = fs::temp_directory_path(error);
    if (error)
        return false;
    TemporaryFile temp((elsewhere / "moxcps-save.XXXXXX").string());
    const int copy = temp.File().Get();
    if (!temp.File().IsOpen() || !WriteAll(copy, bytes) || ::fsync(copy) != 0 ||
        ::lseek(copy, 0, SEEK_SET) != 0)
        return false;
    Descriptor out(::open(target.c_str(), O_WRONLY | O_CLOEXEC));
    return out.IsOpen() && CopyAll(copy, out.Get()) &&
           ::ftruncate(out.Get(), static_cast<off_t>(bytes.size())) == 0 && ::fsync(out.Get()) == 0 &&
           out.Close();
}

}  // namespace

bool ReplaceFileContent(const fs::path& path, std::span<const std::uint8_t> bytes) {
    const auto target = FinalTarget(path);
    if (!target)
        return false;
    struct stat old {};
    const bool exists = ::stat(target->c_str(), &old) == 0;
    if (!exists && errno != ENOENT)
        return false;
    if (exists && (!S_ISREG(old.st_mode) || !MayChange(*target, old, W_OK)))
        return false;
    const fs::path folder = FolderOf(*target);
    struct stat folderInfo {};
    const bool folderTakesFiles =
        ::stat(folder.c_str(), &folderInfo) == 0 && MayChange(folder, folderInfo, W_OK | X_OK);
    if (!exists)
        return folderTakesFiles && ReplaceBeside(*target, nullptr, bytes) == Replaced::Yes;
    if (folderTakesFiles && old.st_nlink == 1) {
        const Replaced replaced = ReplaceBeside(*target, &old, bytes);
        if (replaced != Replaced::OwnerNotKept)
            return replaced == Replaced::Yes;
    }
    return WriteInPlace(*target, bytes);
}

bool ReplaceFileContent(const fs::path& path, std::string_view text) {
    return ReplaceFileContent(path,
                              std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

}  // namespace mox
