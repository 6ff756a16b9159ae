#include <gmock/gmock.h>

#include "files/DataChanged.h"
#include "files/FileTestSupport.h"
#include "image/ChannelTable.h"
#include "image/Models.h"

namespace mox::test {
namespace {

using ::testing::ElementsAre;

class NewRadioDataTest : public FileTest {
protected:
    std::filesystem::path InitFile(const std::string& name) const {
        return folder.ProgramFolder() / "Init" / name;
    }

    // A default file whose channels are numbered 3, 1 and 2, in this array order.
    RadioData DealerData() {
        AppState dealer;
        BuildNewRadioData(dealer, Today{});
        dealer.Data.Channels.Count = 0;
        for (int number : {3, 1, 2})
            AppendDefaultChannel(dealer.Data.Channels, dealer.Model, number, "441");
        dealer.Data.Functions.Options.SquelchLevel = 6;
        return dealer.Data;
    }

    void MakeNew(bool initialise = false) { NewRadioData(state, initialise, Today{"2024-07-09", 7}); }
};

TEST_F(NewRadioDataTest, WithoutDefaultFilesTheDefaultsStandUnchanged) {
    state.Document = {"/x/old.dat", false};
    SetBandLimits(state.Model, "136 - 174 MHz");

    MakeNew();

    EXPECT_TRUE(prompts.Prompts.empty());
    EXPECT_FALSE(IsDataChanged(state));
    EXPECT_EQ(state.Document.CurrentPath, "new.dat");
    EXPECT_TRUE(state.Document.IsNew);
    ASSERT_EQ(state.Data.Channels.Count, 1);
    EXPECT_EQ(CutFixedText(state.Data.Channels.Records[0].RxDigits), "15500000");
    EXPECT_EQ(state.Data.Model.BandCode, 8);
    EXPECT_EQ(CutFixedText(state.Data.TestFrequencies[0].Second), "43510000");
    EXPECT_EQ(CutFixedText(state.FivePoints[3].First), "47050000");
    EXPECT_EQ(CutFixedText(state.FivePoints[3].Second), "46060000");
    EXPECT_EQ(state.Data.FmPresets[19].PresetEmpty, 1);
    EXPECT_EQ(state.Info.BatchNumber, "07-1-E-1");
    EXPECT_EQ(state.Info.SaleDate, "2024-07-09");
    EXPECT_EQ(state.Info.InfoBandCode, 8);
}

TEST_F(NewRadioDataTest, ResetsTheTransferStateOnlyWhenNoTransferRuns) {
    state.Transfer.Kind = TransferKind::ReadRadioInfo;
    state.Transfer.Step = TransferStep::ReadingBlocks;
    MakeNew();
    EXPECT_EQ(state.Transfer.Kind, TransferKind::ReadRadioInfo);
    EXPECT_EQ(state.Transfer.Step, TransferStep::ReadingBlocks);

    state.Transfer.Kind = TransferKind::None;
    MakeNew();
    EXPECT_EQ(state.Transfer.Step, TransferStep::Idle);
}

TEST_F(NewRadioDataTest, BandFileGivesOnlyItsChannelOneUnlessInitialising) {
    WriteDataFile(InitFile("RB516_0.dat").string(), DealerData());

    MakeNew();
    ASSERT_EQ(state.Data.Channels.Count, 1);
    EXPECT_EQ(state.Data.Channels.Records[0].Number, 1);
    EXPECT_EQ(state.Data.Functions.Options.SquelchLevel, 6);
    EXPECT_FALSE(IsDataChanged(state));

    MakeNew(true);
    EXPECT_EQ(state.Data.Channels.Count, 3);
    EXPECT_FALSE(IsDataChanged(state));

    RadioData withoutOne = DealerData();
    withoutOne.Channels.Records[1].Number = 4;
    WriteDataFile(InitFile("RB516_0.dat").string(), withoutOne);
    MakeNew();
    EXPECT_EQ(state.Data.Channels.Count, 0);
}

TEST_F(NewRadioDataTest, BandZeroFileGivesOnlyItsSettingsToOtherBands) {
    SetBandLimits(state.Model, "430 - 480 MHz");
    WriteDataFile(InitFile("RB516_0.dat").string(), DealerData());

    MakeNew();

    EXPECT_EQ(state.Data.Functions.Options.SquelchLevel, 6);
    ASSERT_EQ(state.Data.Channels.Count, 1);
    EXPECT_EQ(CutFixedText(state.Data.Channels.Records[0].RxDigits), "45500000");
    EXPECT_EQ(state.Data.Model.BandCode, 7);
    EXPECT_EQ(state.Model.BandCode, 7);
    EXPECT_EQ(state.SavedData.Channels.Count, 3);
    EXPECT_TRUE(IsDataChanged(state));
}

TEST_F(NewRadioDataTest, BandZeroFileMatchingTheNewChannelsLeavesDataUnchanged) {
    SetBandLimits(state.Model, "430 - 480 MHz");
    MakeNew();
    RadioData sameChannels = state.Data;
    sameChannels.Functions.Options.SquelchLevel = 6;
    WriteDataFile(InitFile("RB516_0.dat").string(), sameChannels);

    MakeNew();

    EXPECT_EQ(state.Data.Functions.Options.SquelchLevel, 6);
    EXPECT_FALSE(IsDataChanged(state));
}

TEST_F(NewRadioDataTest, DefaultFileOfWrongLengthIsReportedAndTheDefaultsStand) {
    WriteDataFile(InitFile("RB516_0.dat").string(), DealerData(), 8000);

    MakeNew();

    EXPECT_THAT(prompts.Numbers(), ElementsAre(9033));
    EXPECT_EQ(state.Data.Functions.Options.SquelchLevel, 0);
    EXPECT_FALSE(IsDataChanged(state));
}

}  // namespace
}  // namespace mox::test
