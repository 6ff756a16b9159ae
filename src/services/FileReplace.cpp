#include "services/FileReplace.h"

#include <memory>
#include <optional>

#include "services/FileBytes.h"

namespace mox {

namespace {

namespace fs = std::filesystem;

// The files saved together are a few kilobytes; one far larger is not taken back into memory.
constexpr std::size_t kLargestRestored = 1024 * 1024;

fs::path FolderOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

// The system may take fewer bytes than asked (a signal, a nearly full disk); the rest follows until
// all are written or it reports an error.
bool WriteAll(FileSystem& files, FileSystem::Handle file, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const auto written = files.Write(file, bytes);
        // A system that takes nothing and reports nothing would keep this loop going for ever.
        if (!written || *written == 0 || *written > bytes.size())
            return false;
        bytes = bytes.subspan(*written);
    }
    return true;
}

// One file's new content: Prepare writes it whole to a temporary file beside the file and syncs it,
// leaving the file itself as it was; Commit renames it over the file. A file that can only be
// overwritten in place is written by Commit. What is not committed is removed again.
class FileReplacement {
public:
    FileReplacement(FileSystem& files, const fs::path& path, std::span<const std::uint8_t> bytes)
        : m_files(files), m_path(path), m_bytes(bytes) {}
    ~FileReplacement() {
        if (!m_temporary.empty())
            m_files.Remove(m_temporary);
    }
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    bool Prepare() {
        m_plan = m_files.PlanSave(m_path);
        if (!m_plan)
            return false;
        if (m_plan->How == SavePlan::Way::InPlace)
            return TryWriteElsewhere();
        fs::path made;
        const auto file = m_files.CreateBeside(*m_plan, made);
        if (!file)
            return false;
        m_temporary = made;
        const bool written = WriteAll(m_files, *file, m_bytes) && m_files.Flush(*file);
        // Closed whatever happened, so that no descriptor is left open.
        return m_files.Close(*file) && written;
    }

    bool Commit() {
        if (m_plan->How == SavePlan::Way::InPlace)
            return WriteInPlace();
        if (!m_files.Rename(m_temporary, m_plan->File))
            return false;
        m_temporary.clear();
        m_files.SyncFolder(FolderOf(m_plan->File));
        return true;
    }

    const SavePlan& Plan() const { return *m_plan; }

private:
    // The whole content goes to a scratch file first: a disk or a size limit that cannot take it fails
    // the save before a file that can only be overwritten in place is touched.
    bool TryWriteElsewhere() {
        fs::path made;
        const auto file = m_files.CreateScratch(made);
        if (!file)
            return false;
        const bool written = WriteAll(m_files, *file, m_bytes) && m_files.Flush(*file);
        const bool closed = m_files.Close(*file);
        m_files.Remove(made);
        return written && closed;
    }

    // Where no new file can take the old one's place: in a folder that takes no new files, for a file
    // with other hard links, or one whose owner a new file would not keep. Keeping the file intact when
    // this write fails cannot be promised, only made less likely by the trial write above. The file is cut to
    // the new length only at the end, so a file of the same length (every data file) needs no new space on
    // its disk.
    bool WriteInPlace() {
        const auto file = m_files.OpenForOverwrite(m_plan->File);
        if (!file)
            return false;
        const bool written = WriteAll(m_files, *file, m_bytes) && m_files.Truncate(*file, m_bytes.size()) &&
                             m_files.Flush(*file);
        return m_files.Close(*file) && written;
    }

    FileSystem& m_files;
    fs::path m_path;
    std::span<const std::uint8_t> m_bytes;
    std::optional<SavePlan> m_plan;
    fs::path m_temporary;
};

// What a file holds before it is saved, to give it back; nothing when it is new, unreadable or too large.
std::optional<std::vector<std::uint8_t>> OldContent(const SavePlan& plan) {
    if (!plan.Exists)
        return std::nullopt;
    auto bytes = ReadFileStart(plan.File, kLargestRestored + 1);
    if (bytes && bytes->size() > kLargestRestored)
        return std::nullopt;
    return bytes;
}

// Gives the files already put in place what they held before, as far as that can still be done.
void PutBack(FileSystem& files, const std::vector<std::unique_ptr<FileReplacement>>& committed,
             const std::vector<std::optional<std::vector<std::uint8_t>>>& old) {
    for (std::size_t i = committed.size(); i-- > 0;) {
        const SavePlan& plan = committed[i]->Plan();
        if (!plan.Exists)
            files.Remove(plan.File);
        else if (old[i])
            ReplaceFileContent(files, plan.File, *old[i]);
    }
}

}  // namespace

bool ReplaceFileContent(FileSystem& files, const fs::path& path, std::span<const std::uint8_t> bytes) {
    FileReplacement replacement(files, path, bytes);
    return replacement.Prepare() && replacement.Commit();
}

bool ReplaceFileContent(FileSystem& files, const fs::path& path, std::string_view text) {
    return ReplaceFileContent(files, path,
                              std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

bool ReplaceFileContent(const fs::path& path, std::span<const std::uint8_t> bytes) {
    return ReplaceFileContent(SystemFiles(), path, bytes);
}

bool ReplaceFileContent(const fs::path& path, std::string_view text) {
    return ReplaceFileContent(SystemFiles(), path, text);
}

bool ReplaceFilesTogether(FileSystem& files, std::span<const FileContent> contents) {
    std::vector<std::unique_ptr<FileReplacement>> prepared;
    for (const FileContent& content : contents) {
        prepared.push_back(std::make_unique<FileReplacement>(files, content.Path, content.Bytes));
        if (!prepared.back()->Prepare())
            return false;
    }
    std::vector<std::optional<std::vector<std::uint8_t>>> old;
    for (const auto& replacement : prepared)
        old.push_back(OldContent(replacement->Plan()));
    for (std::size_t i = 0; i < prepared.size(); ++i) {
        if (!prepared[i]->Commit()) {
            prepared.resize(i);
            PutBack(files, prepared, old);
            return false;
        }
    }
    return true;
}

}  // namespace mox
