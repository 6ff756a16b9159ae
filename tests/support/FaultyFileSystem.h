#pragma once

#include <filesystem>
#include <map>
#include <set>

#include "services/FileSystem.h"

namespace mox::test {

// The computer's file system, failing one step of the save of one file as a failing or full disk
// would. Files are numbered in the order their saves open them (1 first).
class FaultyFileSystem : public FileSystem {
public:
    enum class Fault {
        None,
        Open,         // the file cannot be created or opened
        Write,        // the first write fails (an I/O error)
        ShortWrites,  // every write takes only half the bytes, as the system may; nothing fails
        DiskFull,     // the first write takes half the bytes, the next finds the disk full
        Flush,        // the data cannot be brought to the disk (an I/O error or a full disk)
        Close,        // closing reports a late write error
        Rename,       // the new file cannot take the old one's place
    };

    FaultyFileSystem() = default;
    FaultyFileSystem(Fault fault, int atFile) : Injected(fault), AtFile(atFile) {}

    std::optional<SavePlan> PlanSave(const std::filesystem::path& path) override;
    std::optional<Handle> CreateBeside(const SavePlan& plan, std::filesystem::path& made) override;
    std::optional<Handle> CreateScratch(std::filesystem::path& made) override;
    std::optional<Handle> OpenForOverwrite(const std::filesystem::path& file) override;
    std::optional<std::size_t> Write(Handle file, std::span<const std::uint8_t> bytes) override;
    bool Truncate(Handle file, std::size_t length) override;
    bool Flush(Handle file) override;
    bool Close(Handle file) override;
    bool Rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
    void Remove(const std::filesystem::path& file) override;
    void SyncFolder(const std::filesystem::path& folder) override;

    Fault Injected = Fault::None;
    int AtFile = 1;
    int FilesOpened = 0;
    int FaultsMet = 0;
    // Descriptors opened and not closed yet.
    std::set<Handle> OpenHandles;

private:
    bool Hits(int fileNumber, Fault fault);
    std::optional<Handle> Opened(std::optional<Handle> handle);

    std::map<Handle, int> m_fileOf;
    std::map<Handle, int> m_writes;
    std::map<std::filesystem::path, int> m_temporaryOf;
};

}  // namespace mox::test
