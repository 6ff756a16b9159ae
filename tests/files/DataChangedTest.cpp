#include "files/DataChanged.h"
#include "files/DataFile.h"
#include "files/FileTestSupport.h"

namespace mox::test {
namespace {

class DataChangedTest : public FileTest {
protected:
    void SetUp() override {
        WriteDataFile(PathOf("a.dat"), state.Data);
        ASSERT_TRUE(OpenDataFile(state, windows, PathOf("a.dat")));
        ASSERT_FALSE(IsDataChanged(state));
    }
};

TEST_F(DataChangedTest, AnEditedChannelSettingOrAlarmModeCounts) {
    state.Data.Channels.Records[0].TxPower = 1;
    EXPECT_TRUE(IsDataChanged(state));
    state.Data = state.SavedData;

    state.Data.Functions.Dtmf.IdLength = 5;
    EXPECT_TRUE(IsDataChanged(state));
    state.Data = state.SavedData;

    state.Companion.AlarmMode = 0;
    EXPECT_TRUE(IsDataChanged(state));
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
