#include "exchange/ChannelCsvImport.h"

#include <random>

#include "ExchangeFixture.h"
#include "exchange/ChannelCsvExport.h"
#include "exchange/ChannelFrequencies.h"

namespace mox::test {
namespace {

class ChannelCsvImportTest : public ExchangeFixture {
protected:
    ImportReport Import(const std::string& text, ImportOptions options = {}) {
        return ImportChannelsCsv(text, options, data, model);
    }

    // "RX TX rxtone txtone power spacing skip inhibit" of a channel, for short expectations.
    std::string Row(int number) {
        const ChannelRecord* c = FindChannel(data.Channels, number);
        if (c == nullptr)
            return "none";
        return RxDisplayOf(*c) + " " + TxDisplayOf(*c) + " " + std::to_string(c->RxTone) + " " +
               std::to_string(c->TxTone) + " " + std::to_string(c->TxPower) + " " +
               std::to_string(c->Spacing) + " " + std::to_string(c->ScanSkip) + " " +
               std::to_string(c->TxInhibit);
    }

    // A random channel the exchange columns can describe whole.
    void AddRandomChannel(RadioData& into, int number, std::mt19937& random) {
        const auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
        static const int kSteps[] = {500, 625, 833};
        const std::int64_t rx = 41000000 + pick(6000) * kSteps[pick(3)];
        const char* direction[] = {"", "+", "-"};
        const int shift = pick(3);
        ChannelRecord& c = Add(into, number, FormatUnits(rx),
                               shift == 0 ? "" : direction[shift] + FormatUnits((pick(400) + 1) * 2500));
        c.RxTone = static_cast<std::int16_t>(pick(283));
        c.TxTone = static_cast<std::int16_t>(pick(4) == 0 ? c.RxTone : pick(283));
        c.TxPower = static_cast<std::int16_t>(pick(3));
        c.Spacing = static_cast<std::int16_t>(pick(2) * 2);
        c.ScanSkip = static_cast<std::int16_t>(pick(2));
        if (shift == 0 && pick(5) == 0)
            c.TxInhibit = 1;
    }
};

TEST_F(ChannelCsvImportTest, ExportThenImportGivesTheSameChannelList) {
    std::mt19937 random(20261209);
    for (int round = 0; round < 40; ++round) {
        RadioData source;
        for (int number = 1; number <= kChannelCapacity; ++number) {
            if (random() % 3 == 0 || number == 128)
                AddRandomChannel(source, number, random);
        }
        const std::string csv = ExportChannelsCsv(source.Channels);
        data = RadioData{};
        const ImportReport report = Import(csv, {.KeepLocations = true});
        ASSERT_TRUE(report.Notes.empty()) << report.Notes[0].Row << " " << report.Notes[0].Reason;
        ASSERT_EQ(data.Channels, source.Channels) << csv;
    }
}

// What the columns cannot say (20 kHz spacing, signalling, busy lock, ...) stays with the channel when
// a row names it by its Location.
TEST_F(ChannelCsvImportTest, ARowNamingAChannelKeepsWhatTheColumnsCannotSay) {
    ChannelRecord& c = Add(data, 5, "435.00000", "+5");
    c.Spacing = 1;
    c.RxTone = c.TxTone = 3;
    c.BusyLock = 2;
    c.PttId = 3;
    c.VoiceScramble = 1;
    c.AutoDial2 = 4;
    const RadioData before = data;
    const std::string csv = ExportChannelsCsv(data.Channels);
    c.RxTone = c.TxTone = 0;
    SetFixedText(c.RxDigits, "44000000");
    c.TxPower = 0;
    Import(csv, {.KeepLocations = true});
    EXPECT_EQ(data.Channels, before.Channels);

    // In file order the rows are a new list: the channels come as new channels do.
    Import(csv);
    EXPECT_EQ(FindChannel(data.Channels, 1)->PttId, 0);
    EXPECT_EQ(FindChannel(data.Channels, 1)->Spacing, 2);
}

TEST_F(ChannelCsvImportTest, HandWrittenFilesOfEveryToneModeAndDuplex) {
    Add(data, 1, "440.00000");
    const ImportReport report =
        Import(std::string("\xEF\xBB\xBF") +
                   "Frequency,Location,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
                   "RxDtcsCode,CrossMode,Duplex,Offset,Power,Mode,Skip\r\n"
                   "\"435.125000\",1,Tone,67.0,,,,,,+,5.000000,High,FM,\r\n"
                   "435.250000,2,TSQL,,100.0,,,,,-,\"0.600000\",low,NFM,S\r\n"
                   "435.375000,3,DTCS,,,754,NR,023,,split,445.375000,Mid,FM,\r\n"
                   "435.500000,4,Cross,,88.5,025,RN,,DTCS->Tone,off,0,,,\r\n"
                   "435.625000,5,,67.0,67.0,023,NN,023,Tone->Tone,,7.0,,,\r\n"
                   "435.750000,6,Cross,71.9,,,NR,754,Tone->DTCS,,,,,\r\n"
                   "\r\n",
               {.KeepLocations = true});
    EXPECT_TRUE(report.Notes.empty());
    EXPECT_EQ(report.Imported, 6);
    EXPECT_EQ(Row(1), "435.12500 440.12500 0 1 2 2 0 0");
    EXPECT_EQ(Row(2), "435.25000 434.65000 13 13 0 0 1 0");
    EXPECT_EQ(Row(3), "435.37500 445.37500 281 165 1 2 0 0");
    EXPECT_EQ(Row(4), "435.50000 435.50000 9 169 2 0 0 1");
    EXPECT_EQ(Row(5), "435.62500 435.62500 0 0 2 0 0 0");
    EXPECT_EQ(Row(6), "435.75000 435.75000 281 3 2 0 0 0");
}

TEST_F(ChannelCsvImportTest, RowsTheRadioCannotHoldAreSkippedOrChangedAsTheReportSays) {
    Add(data, 1, "440.00000");
    const ImportReport report = Import(
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,DtcsCode,"
        "DtcsPolarity,Mode,Power,Comment\n"
        "1,Rpt,480.000000,,,,,,,FM,,\n"
        "2,,480.000010,,,,,,,FM,,\n"
        "3,,439.000000,+,50.000000,,,,,FM,,\n"
        "4,,439.000000,,,Tone,69.4,,,FM,,\n"
        "5,,439.000000,,,DTCS,,999,NN,FM,,\n"
        "6,,439.000000,,,,,,,AM,,\n"
        "7,,439.004000,,,,,,,NFM,Turbo,note\n"
        "8,,abc,,,,,,,FM,,\n"
        "9,,439.000000,x,,,,,,FM,,\n");
    ASSERT_EQ(report.Notes.size(), 9u);
    const std::pair<ImportReason, bool> expected[] = {
        {kRxOutsideBand, true}, {kTxOutsideBand, true},      {kCtcssNotInList, true},
        {kDcsNotInList, true},  {kModeNotFm, true},          {kUnknownPower, false},
        {kRxSettled, false},    {kFrequencyNotNumber, true}, {kUnknownDuplex, true}};
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(report.Notes[i].Reason, expected[i].first) << i;
        EXPECT_EQ(report.Notes[i].Skipped, expected[i].second) << i;
    }
    EXPECT_EQ(report.Notes[0].Row, 3);
    EXPECT_EQ(report.Notes[0].Values, (std::vector<std::string>{"480.000010", "400 - 480 MHz"}));
    EXPECT_EQ(report.Notes[6].Values, (std::vector<std::string>{"439.004000", "439.000000"}));
    EXPECT_EQ(report.Imported, 2);
    EXPECT_EQ(report.NamesDropped, 1);
    EXPECT_EQ(report.CommentsDropped, 1);
    EXPECT_EQ(Row(1), "480.00000 480.00000 0 0 2 2 0 0");
    EXPECT_EQ(Row(2), "439.00000 439.00000 0 0 2 0 0 0") << "the rows taken go to 1, 2, ... in file order";
    EXPECT_EQ(Row(3), "none");
}

TEST_F(ChannelCsvImportTest, WattsAreRankedAmongTheFilesOwnValues) {
    Import(std::string("Location,Frequency,Power\n") +
           "1,440.0,5.0W\n2,440.0,0.5W\n3,440.0,1.0W\n4,440.0,5W\n5,440.0,LOW\n6,440.0,\n");
    const int expected[] = {2, 0, 1, 2, 0, 2};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(FindChannel(data.Channels, i + 1)->TxPower, expected[i]) << i + 1;
    Import("Location,Frequency,Power\n1,440.0,4.0W\n2,440.0,4.0W\n");
    EXPECT_EQ(FindChannel(data.Channels, 2)->TxPower, 2) << "a file with one value gives High";
}

TEST_F(ChannelCsvImportTest, LocationsMergingAndTheLimitOf128) {
    Add(data, 1, "440.00000");
    Add(data, 9, "441.00000");
    ImportReport report = Import("Location,Frequency\n5,435.0\n0,435.0\n5,436.0\nx,435.0\n129,435.0\n",
                                 {.KeepLocations = true, .Merge = true});
    EXPECT_EQ(report.Imported, 1);
    ASSERT_EQ(report.Notes.size(), 4u);
    EXPECT_EQ(report.Notes[1].Reason, kLocationTaken);
    EXPECT_EQ(report.Notes[1].Values, (std::vector<std::string>{"5", "2"}));
    EXPECT_EQ(
        Row(1) + "|" + Row(5) + "|" + Row(9),
        "440.00000 440.00000 0 0 2 0 0 0|435.00000 435.00000 0 0 2 0 0 0|441.00000 441.00000 0 0 2 0 0 0");

    std::string many = "Location,Frequency\n";
    for (int i = 0; i < 130; ++i)
        many += "1,435.0\n";
    report = Import(many);
    EXPECT_EQ(report.Imported, 128);
    ASSERT_EQ(report.Notes.size(), 2u);
    EXPECT_EQ(report.Notes[0].Reason, kTooManyChannels);
    EXPECT_EQ(report.Notes[0].Row, 130);
    EXPECT_EQ(UsedChannelCount(data.Channels), 128);
}

TEST_F(ChannelCsvImportTest, ScanAndAlertReferencesFollowTheNewList) {
    Add(data, 1, "440.00000");
    data.Functions.Scan.Priority1Group = 1;
    data.Functions.Scan.Priority1Channel = 1;
    Import("Location,Frequency\n3,435.0\n", {.KeepLocations = true});
    EXPECT_EQ(data.Functions.Scan.Priority1Channel, 3);
}

// The channels come in row by row; a reference to a channel on a later row is still in the list at the
// end and stays where it was.
TEST_F(ChannelCsvImportTest, ReferencesToChannelsOfTheNewListStay) {
    for (const int number : {1, 2, 3})
        Add(data, number, "440.00000");
    data.Functions.Scan.Priority1Group = 1;
    data.Functions.Scan.Priority1Channel = 3;
    data.Functions.Scan.Priority2Group = 1;
    data.Functions.Scan.Priority2Channel = 2;
    data.Functions.Alert.EmergencyGroup = 1;
    data.Functions.Alert.EmergencyChannel = 3;
    Import("Location,Frequency\n1,435.0\n2,436.0\n3,437.0\n");
    EXPECT_EQ(data.Functions.Scan.Priority1Channel, 3);
    EXPECT_EQ(data.Functions.Scan.Priority2Channel, 2);
    EXPECT_EQ(data.Functions.Alert.EmergencyChannel, 3);
}

TEST_F(ChannelCsvImportTest, AFileThatGivesNoChannelLeavesTheDataAsTheyWere) {
    Add(data, 1, "440.00000");
    const RadioData before = data;
    EXPECT_FALSE(Import("Name,Freq\nx,435.0\n").IsChannelCsv);
    EXPECT_FALSE(Import("").IsChannelCsv);
    const ImportReport report = Import("Location,Frequency\n1,500.0\n");
    EXPECT_TRUE(report.IsChannelCsv);
    EXPECT_EQ(report.Imported, 0);
    EXPECT_EQ(data, before);
}

}  // namespace
}  // namespace mox::test
