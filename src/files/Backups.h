#pragma once

// Every successful read and write leaves the data it moved in the per-user backups folder, so a radio
// written with the wrong data can be put back as it was.

#include <cstddef>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "files/DocumentContext.h"

namespace mox {

constexpr std::size_t kBackupsKept = 200;

enum class BackupKind { Read, Write };

struct BackupEntry {
    std::filesystem::path Path;
    std::string Date;  // "2026-12-09 22:01:02"
    std::string ModelCode;
    int BandCode = 0;
    BackupKind Kind = BackupKind::Read;
    // -1 when the file is no readable data file.
    int ChannelCount = -1;
};

// "YYYYMMDD-HHMMSS-<model>-<band code>-read" (or "-write"), without the extension.
std::string BackupStem(std::time_t when, const std::string& modelCode, int bandCode, BackupKind kind);

// Writes the working data (data file and companion, as Save writes them) into the folder, then keeps
// only the newest kBackupsKept. Returns the file written, or empty when it could not be written; the
// document itself is left as it was.
std::filesystem::path WriteBackup(const std::filesystem::path& folder, const DocumentContext& state,
                                  BackupKind kind, std::time_t when);

// The backups in the folder, newest first; files whose name is not a backup's are left out.
std::vector<BackupEntry> ListBackups(const std::filesystem::path& folder);

}  // namespace mox
