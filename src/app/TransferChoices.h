#pragma once

// The user's choices around the radio transfers, kept in the per-user store (section "Settings"):
// reading the radio back after a write and recording the serial traffic, both off until chosen.
// Backups are always kept where the program has a per-user data folder.

#include <filesystem>

#include "link/TransferOptions.h"
#include "services/SettingsStore.h"

namespace mox {

bool VerifyAfterWriting(const SettingsStore& store);
void SetVerifyAfterWriting(SettingsStore& store, bool on);
bool RecordSerialTraffic(const SettingsStore& store);
void SetRecordSerialTraffic(SettingsStore& store, bool on);

// <user data>/backups and <user data>/traces; empty without a per-user data folder.
std::filesystem::path BackupFolderOf(const std::filesystem::path& userData);
std::filesystem::path TraceFolderOf(const std::filesystem::path& userData);

// What the transfers are to do by the stored choices; `recorder` hears the traffic when its recording
// is chosen.
TransferOptions ChosenTransferOptions(const SettingsStore& store, const std::filesystem::path& userData,
                                      TrafficRecorder& recorder);

}  // namespace mox
