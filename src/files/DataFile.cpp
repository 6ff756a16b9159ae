#include "files/DataFile.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "factory/TestDataFile.h"
#include "files/CompanionFile.h"
#include "files/DataFileLayout.h"
#include "files/DocumentEdits.h"
#include "image/Models.h"
#include "services/FileBytes.h"
#include "services/FixedText.h"
#include "services/Texts.h"
#include "services/Versions.h"

namespace mox {

namespace {

constexpr FixedText<4> kProgramTag{'V', '2', '0', '0'};

// What one data file brings: the record, its companion values and, in factory test mode, the test
// data beside it.
struct LoadedFile {
    RadioData Data;
    CompanionRecord Companion;
    TestData Test{};
};

bool IsPrintableText(const std::string& text) {
    return std::ranges::all_of(text, [](char c) { return c >= 0x20 && c <= 0x7E; });
}

// The text that tells why a file cannot be used; 0 when it can. A channel count outside the table
// would make every later step read past the channel array. Where the file's model is taken, a model
// code that is not text would show as garbage in the caption and the tree, and a band code without a
// band name has no band limits.
int DamagedFileText(const std::vector<std::uint8_t>& bytes, const RadioData& data, bool takesModel) {
    if (bytes.size() != kDataFileSize && bytes.size() != kShortDataFileSize)
        return 9033;
    if (data.Channels.Count < 0 || data.Channels.Count > kChannelCapacity)
        return 30020;
    if (!takesModel)
        return 0;
    if (!IsPrintableText(CutFixedText(data.Model.ModelCode)))
        return 30022;
    return BandName(data.Model.BandCode).empty() ? 30021 : 0;
}

// Reads the record (an 8595-byte file leaves ResetProhibit 0), then the companion and the test data
// file; a message when the record is unusable.
std::optional<LoadedFile> ReadLoadedFile(DocumentContext& state, const std::filesystem::path& path,
                                         const std::vector<std::uint8_t>& bytes, bool takesModel) {
    LoadedFile file;
    DecodeDataRecord(bytes, file.Data);
    if (const int damaged = DamagedFileText(bytes, file.Data, takesModel); damaged != 0) {
        ShowMessage(state, damaged);
        return std::nullopt;
    }
    file.Companion = ReadCompanionFile(path);
    file.Test = state.SavedTestData;
    if (state.FactoryTestMode) {
        if (const auto ted = TestDataPathOf(path))
            LoadTestDataFile(*ted, file.Test);
    }
    return file;
}

// The file becomes both the saved copy and the working data.
void TakeFile(DocumentContext& state, const LoadedFile& file) {
    state.SavedData = file.Data;
    state.SavedCompanion = file.Companion;
    state.Data = state.SavedData;
    state.Companion = state.SavedCompanion;
    if (state.FactoryTestMode) {
        state.SavedTestData = file.Test;
        state.WorkingTestData = file.Test;
    }
}

void ApplyLoadedModel(DocumentContext& state) {
    ApplyModelRecord(state.Model, state.Data.Model);
    state.Info.InfoBandCode = state.Model.BandCode;
}

// The defaults stand: the saved copy is the working data.
void SettleSavedCopy(DocumentContext& state) {
    SyncModelRecord(state.Model, state.Data.Model);
    state.SavedData = state.Data;
    state.SavedCompanion = state.Companion;
    state.SavedTestData = state.WorkingTestData;
}

void ShowLoadedDocument(DocumentContext& state, DocumentWindows& windows, const std::filesystem::path& path) {
    state.Document.CurrentPath = path.string();
    state.Document.IsNew = false;
    StartHistory(state);
    windows.OpenChannelList();
    windows.ShowMainTxt();
    windows.ChangeLanguage();
    windows.ArrangeCascade();
}

// A file of another program version: the question whether to start that version.
void AskForOtherVersion(DocumentContext& state, const std::string& tag) {
    const std::string question = VersionQuestion(state, kProgramVersion, tag, 1);
    if (ShowText(state, question, MsgButtons::YesNo, MsgIcon::Question, 9062) == MsgAnswer::Yes)
        SwitchToVersion(state, tag);
}

void KeepOnlyChannelOne(ChannelTable& channels) {
    const auto inUse = channels.Records.begin() + channels.Count;
    const auto one =
        std::find_if(channels.Records.begin(), inUse, [](const ChannelRecord& r) { return r.Number == 1; });
    if (one == inUse) {
        channels.Count = 0;
        return;
    }
    channels.Records[0] = *one;
    channels.Count = 1;
}

}  // namespace

bool SaveDataFile(DocumentContext& state, DocumentWindows& windows) {
    SyncModelRecord(state.Model, state.Data.Model);
    state.Companion.Tag = kProgramTag;
    const std::filesystem::path path = state.Document.CurrentPath;
    // The alarm mode lives in the companion and the calibration values in the test data file: data
    // whose companion or test data were not written are not saved, whatever the data file holds.
    std::vector<FileContent> files = DataFileWithCompanion(path, state.Data, state.Companion);
    if (state.FactoryTestMode) {
        if (const auto ted = TestDataPathOf(path))
            files.push_back({*ted, {state.WorkingTestData.begin(), state.WorkingTestData.end()}});
    }
    if (!ReplaceFilesTogether(*state.Files, files)) {
        ShowMessage(state, 9002);
        return false;
    }
    state.SavedData = state.Data;
    state.SavedCompanion = state.Companion;
    state.SavedTestData = state.WorkingTestData;
    state.Document.IsNew = false;
    windows.ShowMainTxt();
    return true;
}

bool OpenDataFile(DocumentContext& state, DocumentWindows& windows, const std::filesystem::path& path) {
    const auto bytes = ReadFileStart(path, kDataFileSize + 1);
    if (!bytes) {
        ShowMessage(state, 9002);
        return false;
    }
    const std::string tag(bytes->begin(), bytes->begin() + std::min<std::size_t>(bytes->size(), 4));
    if (!IsVersionTag(tag)) {
        ShowMessage(state, 9065);
        return false;
    }
    if (!IsHandledVersion(state.Versions, kProgramVersion, tag)) {
        AskForOtherVersion(state, tag);
        return false;
    }
    auto file = ReadLoadedFile(state, path, *bytes, true);
    if (!file)
        return false;
    file->Data.FormatTag = kProgramTag;
    TakeFile(state, *file);
    ApplyLoadedModel(state);
    ShowLoadedDocument(state, windows, path);
    return true;
}

std::optional<DataFileRecords> ReadDataFileRecords(DocumentContext& state,
                                                   const std::filesystem::path& path) {
    const auto bytes = ReadFileStart(path, kDataFileSize + 1);
    if (!bytes) {
        ShowMessage(state, 9002);
        return std::nullopt;
    }
    if (!IsVersionTag(
            std::string(bytes->begin(), bytes->begin() + std::min<std::size_t>(bytes->size(), 4)))) {
        ShowMessage(state, 9065);
        return std::nullopt;
    }
    const auto file = ReadLoadedFile(state, path, *bytes, true);
    if (!file)
        return std::nullopt;
    return DataFileRecords{file->Data, file->Companion};
}

bool OpenDataFileDirect(DocumentContext& state, DocumentWindows& windows, const std::filesystem::path& path) {
    const auto bytes = ReadFileStart(path, kDataFileSize + 1);
    if (!bytes) {
        ShowMessage(state, 9002);
        return false;
    }
    const auto file = ReadLoadedFile(state, path, *bytes, false);
    if (!file)
        return false;
    TakeFile(state, *file);
    SyncModelRecord(state.Model, state.Data.Model);
    ShowLoadedDocument(state, windows, path);
    return true;
}

void LoadDataFileAsDefaults(DocumentContext& state, const std::filesystem::path& path, bool keepAllChannels) {
    const auto bytes = ReadFileStart(path, kDataFileSize + 1);
    if (!bytes) {
        SettleSavedCopy(state);
        return;
    }
    auto file = ReadLoadedFile(state, path, *bytes, true);
    if (!file)
        return;
    if (!keepAllChannels)
        KeepOnlyChannelOne(file->Data.Channels);
    TakeFile(state, *file);
    ApplyLoadedModel(state);
}

void LoadDefaultsFromFile(DocumentContext& state, const std::filesystem::path& path) {
    const auto bytes = ReadFileStart(path, kDataFileSize + 1);
    if (!bytes) {
        SettleSavedCopy(state);
        return;
    }
    const auto file = ReadLoadedFile(state, path, *bytes, false);
    if (!file)
        return;
    state.Data.Functions = file->Data.Functions;
    state.Data.FmPresets = file->Data.FmPresets;
    state.Data.TestFrequencies = file->Data.TestFrequencies;
    SyncModelRecord(state.Model, state.Data.Model);
    state.SavedData = file->Data;
    state.SavedCompanion = state.Companion;
    if (state.FactoryTestMode) {
        state.WorkingTestData = file->Test;
        state.SavedTestData = file->Test;
    }
}

}  // namespace mox
