#pragma once

#include <filesystem>

#include "link/TrafficRecorder.h"

namespace mox {

// What the user chose around the transfers; they apply from the next transfer on.
struct TransferOptions {
    // A successful write reads the radio back and fails on the first byte that differs.
    bool VerifyAfterWrite = false;
    // Where each successful read and write leaves a copy of its data; empty: none is kept.
    std::filesystem::path BackupFolder;
    // Hears the serial traffic; null: none is recorded.
    TrafficRecorder* Recorder = nullptr;
    // The search for working link settings tries the link's own port only and keeps what it finds to
    // this transfer: with radios on several ports at once, another port belongs to another radio.
    bool SearchOwnPortOnly = false;
};

}  // namespace mox
