#include "files/Backups.h"

#include <optional>
#include <system_error>

#include "files/CompanionFile.h"
#include "files/DataFileLayout.h"
#include "image/Models.h"
#include "services/FileBytes.h"
#include "services/FixedText.h"
#include "services/NewestFiles.h"
#include "services/NumberText.h"

namespace mox {

namespace {

constexpr const char* kExtension = ".dat";
constexpr std::size_t kStampLength = 15;  // YYYYMMDD-HHMMSS

// "YYYYMMDD-HHMMSS" -> "YYYY-MM-DD HH:MM:SS"; empty when the name does not start with a stamp.
std::string DateOfStamp(const std::string& name) {
    if (name.size() < kStampLength || name[8] != '-')
        return {};
    for (std::size_t i = 0; i < kStampLength; ++i) {
        if (i != 8 && (name[i] < '0' || name[i] > '9'))
            return {};
    }
    return name.substr(0, 4) + "-" + name.substr(4, 2) + "-" + name.substr(6, 2) + " " + name.substr(9, 2) +
           ":" + name.substr(11, 2) + ":" + name.substr(13, 2);
}

// The kind is the last word of the stem, before a "-2" that tells same-second backups apart.
std::optional<BackupKind> KindOfStem(const std::string& stem) {
    const std::string base = stem.substr(0, stem.find_last_not_of("0123456789-") + 1);
    auto endsWith = [&](const std::string& end) {
        return base.size() >= end.size() && base.compare(base.size() - end.size(), end.size(), end) == 0;
    };
    if (endsWith("-read"))
        return BackupKind::Read;
    if (endsWith("-write"))
        return BackupKind::Write;
    return std::nullopt;
}

void ReadBackupContent(BackupEntry& entry) {
    const auto bytes = ReadFileStart(entry.Path, kDataFileSize + 1);
    if (!bytes || (bytes->size() != kDataFileSize && bytes->size() != kShortDataFileSize))
        return;
    RadioData data;
    DecodeDataRecord(*bytes, data);
    entry.ModelCode = CutFixedText(data.Model.ModelCode);
    entry.BandCode = data.Model.BandCode;
    if (data.Channels.Count >= 0 && data.Channels.Count <= kChannelCapacity)
        entry.ChannelCount = data.Channels.Count;
}

}  // namespace

std::string BackupStem(std::time_t when, const std::string& modelCode, int bandCode, BackupKind kind) {
    return TimeStampText(when) + "-" + modelCode + "-" + WholeNumberText(bandCode) +
           (kind == BackupKind::Read ? "-read" : "-write");
}

std::filesystem::path WriteBackup(const std::filesystem::path& folder, const DocumentContext& state,
                                  BackupKind kind, std::time_t when) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    RadioData data = state.Data;
    SyncModelRecord(state.Model, data.Model);
    CompanionRecord companion = state.Companion;
    companion.Tag = FixedText<4>{'V', '2', '0', '0'};
    const std::filesystem::path path =
        FreeFileName(folder, BackupStem(when, state.Model.ModelCode, state.Model.BandCode, kind), kExtension);
    if (!ReplaceFilesTogether(*state.Files, DataFileWithCompanion(path, data, companion)))
        return {};
    KeepNewestFiles(folder, kExtension, kBackupsKept);
    return path;
}

std::vector<BackupEntry> ListBackups(const std::filesystem::path& folder) {
    std::vector<BackupEntry> backups;
    for (const std::filesystem::path& path : FilesNewestFirst(folder, kExtension)) {
        const std::string stem = path.stem().string();
        const std::string date = DateOfStamp(stem);
        const auto kind = KindOfStem(stem);
        if (date.empty() || !kind)
            continue;
        BackupEntry entry{path, date, {}, 0, *kind, -1};
        ReadBackupContent(entry);
        backups.push_back(entry);
    }
    return backups;
}

}  // namespace mox
