#include "app/NewRadioData.h"

#include <charconv>
#include <string>
#include <system_error>

#include "files/DataFile.h"
#include "files/DocumentEdits.h"
#include "image/ChannelTable.h"
#include "image/FunctionPacking.h"
#include "image/Models.h"
#include "image/RadioInfoBlock.h"

namespace mox {

namespace {

// The middle of the band as frequency text ("440", "159.5"), with "." whatever the locale.
std::string BandMiddleText(const ModelState& model) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, (model.LowerLimit + model.UpperLimit) / 2);
    return std::string(text, result.ptr);
}

void ResetTestFrequencies(AppState& state) {
    for (TestFrequencyPair& pair : state.Data.TestFrequencies) {
        SetFixedText(pair.First, "");
        SetFixedText(pair.Second, "");
    }
    SetFixedText(state.Data.TestFrequencies[0].First, "43510000");
    SetFixedText(state.Data.TestFrequencies[0].Second, "43510000");
    const char* fivePoints[5][2] = {{"40000000", "40010000"},
                                    {"42050000", "42060000"},
                                    {"44000000", "44010000"},
                                    {"47050000", "46060000"},
                                    {"48000000", "47990000"}};
    for (std::size_t i = 0; i < state.FivePoints.size(); ++i) {
        SetFixedText(state.FivePoints[i].First, fivePoints[i][0]);
        SetFixedText(state.FivePoints[i].Second, fivePoints[i][1]);
    }
}

bool HasModelDefaults(const std::string& modelCode) {
    return modelCode == "RB516" || modelCode == "RB516G";
}

// A model code comes from data files and radios; one that could lead out of the Init folder names no
// default file.
bool IsPlainName(const std::string& modelCode) {
    return modelCode.find_first_of("/\\") == std::string::npos && modelCode.find("..") == std::string::npos;
}

std::string DecimalText(int value) {
    char text[16];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

}  // namespace

void BuildNewRadioData(AppState& state, const Today& today) {
    state.Document.CurrentPath = "new.dat";
    state.Document.IsNew = true;
    // The radio information read has no modal window, so New can come while it runs; that read
    // ends by itself and must not lose its state halfway.
    if (state.Transfer.Kind == TransferKind::None)
        state.Transfer = TransferState{};
    SetFixedText(state.Data.FormatTag, kProgramVersion);
    ResetFunctionSettings(state.Data.Functions);
    state.Data.Channels.Count = 0;
    AppendDefaultChannel(state.Data.Channels, state.Model, 1, BandMiddleText(state.Model));
    for (FmPreset& preset : state.Data.FmPresets) {
        preset.PresetEmpty = 1;
        SetFixedText(preset.FmDigits, "");
    }
    ResetTestFrequencies(state);
    SyncModelRecord(state.Model, state.Data.Model);
    ResetRadioInfo(state.Info, state.Model, today);
    state.Companion = CompanionRecord{};
    state.SavedData = state.Data;
    state.SavedCompanion = state.Companion;
    state.SavedTestData = state.WorkingTestData;
}

std::filesystem::path DefaultDataFilePath(const std::filesystem::path& programFolder,
                                          std::string_view modelCode, int bandCode) {
    return programFolder / "Init" / (std::string(modelCode) + "_" + DecimalText(bandCode) + ".dat");
}

namespace {

void BuildNewData(AppState& state, bool initialise, const Today& today) {
    BuildNewRadioData(state, today);
    if (!IsPlainName(state.Model.ModelCode))
        return;
    const std::filesystem::path bandFile =
        DefaultDataFilePath(state.Paths.ProgramFolder, state.Model.ModelCode, state.Model.BandCode);
    std::error_code error;
    if (std::filesystem::exists(bandFile, error))
        LoadDataFileAsDefaults(state, bandFile, initialise);
    else if (HasModelDefaults(state.Model.ModelCode))
        LoadDefaultsFromFile(state, DefaultDataFilePath(state.Paths.ProgramFolder, state.Model.ModelCode, 0));
}

}  // namespace

void NewRadioData(AppState& state, bool initialise, const Today& today) {
    BuildNewData(state, initialise, today);
    StartHistory(state);
}

}  // namespace mox
