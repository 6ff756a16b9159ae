#include "support/FaultyFileSystem.h"

namespace mox::test {

bool FaultyFileSystem::Hits(int fileNumber, Fault fault) {
    if (Injected != fault || fileNumber != AtFile)
        return false;
    ++FaultsMet;
    return true;
}

std::optional<FileSystem::Handle> FaultyFileSystem::Opened(std::optional<Handle> handle) {
    if (handle) {
        OpenHandles.insert(*handle);
        m_fileOf[*handle] = FilesOpened;
        m_writes[*handle] = 0;
    }
    return handle;
}

std::optional<SavePlan> FaultyFileSystem::PlanSave(const std::filesystem::path& path) {
    return SystemFiles().PlanSave(path);
}

std::optional<FileSystem::Handle> FaultyFileSystem::CreateBeside(const SavePlan& plan,
                                                                 std::filesystem::path& made) {
    if (Hits(++FilesOpened, Fault::Open))
        return std::nullopt;
    const auto handle = Opened(SystemFiles().CreateBeside(plan, made));
    if (handle)
        m_temporaryOf[made] = FilesOpened;
    return handle;
}

std::optional<FileSystem::Handle> FaultyFileSystem::CreateScratch(std::filesystem::path& made) {
    if (Hits(++FilesOpened, Fault::Open))
        return std::nullopt;
    return Opened(SystemFiles().CreateScratch(made));
}

std::optional<FileSystem::Handle> FaultyFileSystem::OpenForOverwrite(const std::filesystem::path& file) {
    if (Hits(++FilesOpened, Fault::Open))
        return std::nullopt;
    return Opened(SystemFiles().OpenForOverwrite(file));
}

std::optional<std::size_t> FaultyFileSystem::Write(Handle file, std::span<const std::uint8_t> bytes) {
    const int number = m_fileOf[file];
    const int writes = m_writes[file]++;
    if (writes == 0 && Hits(number, Fault::Write))
        return std::nullopt;
    if (Injected == Fault::ShortWrites && number == AtFile && bytes.size() > 1) {
        ++FaultsMet;
        bytes = bytes.first((bytes.size() + 1) / 2);
    }
    if (Injected == Fault::DiskFull && number == AtFile) {
        if (writes > 0 && Hits(number, Fault::DiskFull))
            return std::nullopt;
        bytes = bytes.first((bytes.size() + 1) / 2);
    }
    return SystemFiles().Write(file, bytes);
}

bool FaultyFileSystem::Truncate(Handle file, std::size_t length) {
    return SystemFiles().Truncate(file, length);
}

bool FaultyFileSystem::Flush(Handle file) {
    return !Hits(m_fileOf[file], Fault::Flush) && SystemFiles().Flush(file);
}

bool FaultyFileSystem::Close(Handle file) {
    OpenHandles.erase(file);
    const bool closed = SystemFiles().Close(file);
    return !Hits(m_fileOf[file], Fault::Close) && closed;
}

bool FaultyFileSystem::Rename(const std::filesystem::path& from, const std::filesystem::path& to) {
    const auto temporary = m_temporaryOf.find(from);
    if (temporary != m_temporaryOf.end() && Hits(temporary->second, Fault::Rename))
        return false;
    return SystemFiles().Rename(from, to);
}

void FaultyFileSystem::Remove(const std::filesystem::path& file) {
    SystemFiles().Remove(file);
}

void FaultyFileSystem::SyncFolder(const std::filesystem::path& folder) {
    SystemFiles().SyncFolder(folder);
}

}  // namespace mox::test
