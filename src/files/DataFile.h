#pragma once

#include <filesystem>
#include <optional>

#include "files/DocumentContext.h"
#include "files/DocumentWindows.h"

namespace mox {

// Writes the working data to the current path (data file, companion file and, in factory test mode,
// the test data file) and makes it the saved copy; the files are saved together (ReplaceFilesTogether)
// through the state's file system. On any failure (a protected file among them, a full disk) message
// 9002; the old files and the saved copy stay as they were, so the data still count as changed.
bool SaveDataFile(DocumentContext& state, DocumentWindows& windows);

// Open: checks the file's version tag (9065, or the version question), its length (9033) and its
// contents (a damaged-file text) and reads it (9002 when unreadable). A loaded file becomes the working data,
// the saved copy and the current path, takes the tag "V200" and sets the current model and band.
bool OpenDataFile(DocumentContext& state, DocumentWindows& windows, const std::filesystem::path& path);

// The second open command: as Open without the tag check, keeping the file's tag; the model record
// follows the current model and band instead of changing them.
bool OpenDataFileDirect(DocumentContext& state, DocumentWindows& windows, const std::filesystem::path& path);

// A data file read as Open checks it (9002 unreadable, 9065 no version tag, 9033 wrong length, a
// damaged-file text), without making it the document: to compare it with the data.
struct DataFileRecords {
    RadioData Data;
    CompanionRecord Companion;
};
std::optional<DataFileRecords> ReadDataFileRecords(DocumentContext& state, const std::filesystem::path& path);

// New data from the default file of the current model and band: the file's data, keeping only its
// channel 1 unless all channels are to be kept. A file of a wrong length (9033) or a damaged one is
// reported and the defaults stand; an unreadable one is passed over silently.
void LoadDataFileAsDefaults(DocumentContext& state, const std::filesystem::path& path, bool keepAllChannels);

// New data from the model's band-0 default file: only its function settings, FM presets and test
// frequencies (and test data) are taken; the saved copy keeps the file's channels and model record.
void LoadDefaultsFromFile(DocumentContext& state, const std::filesystem::path& path);

}  // namespace mox
