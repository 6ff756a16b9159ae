#include <functional>

#include "files/DataChanged.h"
#include "files/DataFile.h"
#include "files/FileTestSupport.h"
#include "image/ChannelTable.h"

namespace mox::test {
namespace {

// An opened file of two channels.
class DataChangedTest : public FileTest {
protected:
    void SetUp() override {
        AppendDefaultChannel(state.Data.Channels, state.Model, 2, "436");
        WriteDataFile(PathOf("a.dat"), state.Data);
        ASSERT_TRUE(OpenDataFile(state, windows, PathOf("a.dat")));
        ASSERT_EQ(state.Data.Channels.Count, 2);
        ASSERT_NE(state.Data.Model.BandCode, 7);
        ASSERT_FALSE(IsDataChanged(state));
    }
};

// Each edit alone must count, or it would be lost without the question whether to save.
struct Edit {
    const char* Name;
    std::function<void(AppState&)> Apply;
};

const Edit kEdits[] = {
    {"channel setting", [](AppState& s) { s.Data.Channels.Records[0].TxPower = 1; }},
    {"last channel removed", [](AppState& s) { DeleteChannelAt(s.Data.Channels, 1); }},
    {"first channel removed", [](AppState& s) { DeleteChannelAt(s.Data.Channels, 0); }},
    {"band code", [](AppState& s) { s.Data.Model.BandCode = 7; }},
    {"model code", [](AppState& s) { SetFixedText(s.Data.Model.ModelCode, "RB516G"); }},
    {"function setting", [](AppState& s) { s.Data.Functions.Dtmf.IdLength = 5; }},
    {"alarm mode", [](AppState& s) { s.Companion.AlarmMode = 0; }},
    {"test frequency", [](AppState& s) { SetFixedText(s.Data.TestFrequencies[10].Second, "43500000"); }},
};

TEST_F(DataChangedTest, EveryEditOfWhatTheFileKeepsCounts) {
    const RadioData opened = state.Data;
    const CompanionRecord companion = state.Companion;
    for (const Edit& edit : kEdits) {
        edit.Apply(state);
        EXPECT_TRUE(IsDataChanged(state)) << edit.Name;
        state.Data = opened;
        state.Companion = companion;
    }
}

TEST_F(DataChangedTest, FmPresetsAndUnusedRecordsDoNotCount) {
    state.Data.FmPresets[3].PresetEmpty = 0;
    SetFixedText(state.Data.FmPresets[3].FmDigits, "10110000");
    state.Data.Channels.Records[5].Number = 99;

    EXPECT_FALSE(IsDataChanged(state));
}

TEST_F(DataChangedTest, TextsCompareAsTheyReadBack) {
    SetFixedText(state.Data.Channels.Records[0].RxDigits, "4400000");
    SetFixedTextNul(state.SavedData.Channels.Records[0].RxDigits, "4400000");
    SetFixedText(state.Data.Functions.Message.Lines[0], "HI");
    SetFixedTextNul(state.SavedData.Functions.Message.Lines[0], "HI");
    state.SavedData.Model.ModelCode[6] = ' ';

    EXPECT_FALSE(IsDataChanged(state));
}

TEST_F(DataChangedTest, TestDataCountOnlyInFactoryTestMode) {
    state.WorkingTestData[0] = 7;
    EXPECT_FALSE(IsDataChanged(state));

    state.FactoryTestMode = true;
    EXPECT_TRUE(IsDataChanged(state));
}

}  // namespace
}  // namespace mox::test
