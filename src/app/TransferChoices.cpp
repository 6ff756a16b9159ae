#include "app/TransferChoices.h"

#include <string_view>

namespace mox {

namespace {

constexpr std::string_view kSection = "Settings";
constexpr std::string_view kVerifyKey = "VerifyAfterWriting";
constexpr std::string_view kTraceKey = "RecordSerialTraffic";

bool ReadSwitch(const SettingsStore& store, std::string_view key) {
    return store.Read(kSection, key, "0") == "1";
}

}  // namespace

bool VerifyAfterWriting(const SettingsStore& store) {
    return ReadSwitch(store, kVerifyKey);
}

void SetVerifyAfterWriting(SettingsStore& store, bool on) {
    store.Write(kSection, kVerifyKey, on ? "1" : "0");
}

bool RecordSerialTraffic(const SettingsStore& store) {
    return ReadSwitch(store, kTraceKey);
}

void SetRecordSerialTraffic(SettingsStore& store, bool on) {
    store.Write(kSection, kTraceKey, on ? "1" : "0");
}

std::filesystem::path BackupFolderOf(const std::filesystem::path& userData) {
    return userData.empty() ? std::filesystem::path() : userData / "backups";
}

std::filesystem::path TraceFolderOf(const std::filesystem::path& userData) {
    return userData.empty() ? std::filesystem::path() : userData / "traces";
}

TransferOptions ChosenTransferOptions(const SettingsStore& store, const std::filesystem::path& userData,
                                      TrafficRecorder& recorder) {
    TransferOptions options;
    options.VerifyAfterWrite = VerifyAfterWriting(store);
    options.BackupFolder = BackupFolderOf(userData);
    if (RecordSerialTraffic(store) && !userData.empty())
        options.Recorder = &recorder;
    return options;
}

}  // namespace mox
