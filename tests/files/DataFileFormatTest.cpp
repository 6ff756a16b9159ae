#include <gmock/gmock.h>

#include "files/DataChanged.h"
#include "files/DataFile.h"
#include "files/FileTestSupport.h"
#include "image/Models.h"

namespace mox::test {
namespace {

using ::testing::ElementsAre;

TEST(DataFileLayoutTest, FieldsCoverTheRecordWithoutGapsOrOverlaps) {
    std::size_t next = 0;
    for (const FileField& field : DataFileFields()) {
        ASSERT_EQ(field.Offset, next);
        next += field.Size;
    }
    EXPECT_EQ(next, kDataFileSize);
}

class DataFileFormatTest : public FileTest {};

TEST_F(DataFileFormatTest, SaveWritesEveryPartAtItsOffset) {
    SetBandLimits(state.Model, "430 - 480 MHz");
    RadioData& data = state.Data;
    data.Channels.Count = 2;
    SetFixedText(data.Channels.Records[0].RxDigits, "43512500");
    data.FmPresets[0].PresetEmpty = 0;
    SetFixedText(data.FmPresets[0].FmDigits, "08750000");
    SetFixedText(data.TestFrequencies[0].First, "43600000");
    data.Functions.Options.SquelchLevel = 0x0102;
    data.Functions.Keys.Pf2Short = -2;
    data.Functions.Scan.Priority2Channel = 0xAB;
    data.Functions.ResetProhibit = 1;
    state.Companion.AlarmMode = 0;
    state.Document.CurrentPath = PathOf("golden.dat");

    ASSERT_TRUE(SaveDataFile(state, windows));

    const std::string file = TempFolder::ReadFile(PathOf("golden.dat"));
    ASSERT_EQ(file.size(), 8597u);
    EXPECT_EQ(file.substr(0, 4), "V200");
    EXPECT_EQ(file.substr(4, 2), std::string("\x02\x00", 2));
    EXPECT_EQ(file.substr(6, 2), std::string("\x01\x00", 2));  // Number of the first record
    EXPECT_EQ(file.substr(10, 8), "43512500");
    EXPECT_EQ(file.substr(7686, 10), std::string("\x00\x00", 2) + "08750000");
    EXPECT_EQ(file.substr(7886, 8), "43600000");
    EXPECT_EQ(file.substr(8062, 9), std::string("RB516\0\0\x07\x00", 9));
    EXPECT_EQ(file.substr(8071, 2), "\x02\x01");
    EXPECT_EQ(file.substr(8125, 3), "000");  // IdCode
    EXPECT_EQ(file.substr(8571, 2), "\xFE\xFF");
    EXPECT_EQ(file.substr(8594, 3), std::string("\xAB\x01\x00", 3));
    EXPECT_EQ(TempFolder::ReadFile(PathOf("golden.NVD")), std::string("V200\x00", 5));
    EXPECT_FALSE(state.Document.IsNew);
    EXPECT_FALSE(IsDataChanged(state));
}

TEST_F(DataFileFormatTest, OpenReadsBackWhatSaveWrote) {
    state.Data.Channels.Count = 3;
    state.Data.Channels.Records[2].RxTone = 282;
    state.Data.Functions.Dtmf.AutoDial[15].Count = 16;
    SetFixedText(state.Data.Functions.Message.Lines[3], "HELLO");
    state.Companion.AlarmMode = 0;
    state.Document.CurrentPath = PathOf("round.dat");
    ASSERT_TRUE(SaveDataFile(state, windows));
    const RadioData saved = state.Data;
    BuildNewRadioData(state, Today{});

    ASSERT_TRUE(OpenDataFile(state, windows, PathOf("round.dat")));

    EXPECT_EQ(state.Data, saved);
    EXPECT_EQ(state.Companion.AlarmMode, 0);
    EXPECT_FALSE(IsDataChanged(state));
    EXPECT_EQ(state.Document.CurrentPath, PathOf("round.dat"));
    EXPECT_THAT(windows.Calls, ElementsAre("caption", "channels", "caption", "language", "cascade"));
}

TEST_F(DataFileFormatTest, ShortFileOpensWithResetProhibitOff) {
    RadioData data = state.Data;
    data.Functions.ResetProhibit = 1;
    data.Functions.Scan.Priority2Channel = 5;
    WriteDataFile(PathOf("old.dat"), data, 8595);

    ASSERT_TRUE(OpenDataFile(state, windows, PathOf("old.dat")));

    EXPECT_EQ(state.Data.Functions.Scan.Priority2Channel, 5);
    EXPECT_EQ(state.Data.Functions.ResetProhibit, 0);
}

TEST_F(DataFileFormatTest, UnusableFilesAreRefusedAndChangeNothing) {
    RadioData tooMany = state.Data;
    tooMany.Channels.Count = 129;
    RadioData negative = state.Data;
    negative.Channels.Count = -1;
    RadioData noBand = state.Data;
    noBand.Model.BandCode = 15;
    WriteDataFile(PathOf("8596.dat"), state.Data, 8596);
    WriteDataFile(PathOf("9000.dat"), state.Data, 9000);
    WriteDataFile(PathOf("many.dat"), tooMany);
    WriteDataFile(PathOf("negative.dat"), negative);
    WriteDataFile(PathOf("noband.dat"), noBand);
    state.Data.Functions.Options.SquelchLevel = 4;
    const RadioData before = state.Data;

    for (const char* name : {"8596.dat", "9000.dat", "many.dat", "negative.dat", "noband.dat"})
        EXPECT_FALSE(OpenDataFile(state, windows, PathOf(name))) << name;

    EXPECT_THAT(prompts.Numbers(), ElementsAre(9033, 9033, 9033, 9033, 9033));
    EXPECT_EQ(state.Data, before);
    EXPECT_EQ(state.Document.CurrentPath, "new.dat");
    EXPECT_TRUE(windows.Calls.empty());
}

TEST_F(DataFileFormatTest, TagIsCheckedBeforeTheLength) {
    TempFolder::WriteFile(PathOf("bad.dat"), "X200 and far too short");
    TempFolder::WriteFile(PathOf("short.dat"), "V2");

    EXPECT_FALSE(OpenDataFile(state, windows, PathOf("bad.dat")));
    EXPECT_FALSE(OpenDataFile(state, windows, PathOf("short.dat")));
    EXPECT_FALSE(OpenDataFile(state, windows, PathOf("missing.dat")));

    EXPECT_THAT(prompts.Numbers(), ElementsAre(9065, 9065, 9002));
}

TEST_F(DataFileFormatTest, CompanionOfAnyOtherLengthGivesTheDefaults) {
    WriteDataFile(PathOf("a.dat"), state.Data);
    TempFolder::WriteFile(PathOf("a.NVD"), std::string("V20\x00", 4));
    ASSERT_TRUE(OpenDataFile(state, windows, PathOf("a.dat")));
    EXPECT_EQ(state.Companion.AlarmMode, 1);

    TempFolder::WriteFile(PathOf("a.NVD"), std::string("V200\x00", 5));
    ASSERT_TRUE(OpenDataFile(state, windows, PathOf("a.dat")));
    EXPECT_EQ(state.Companion.AlarmMode, 0);
}

TEST_F(DataFileFormatTest, SaveLeavesExactlyTheRecordWhateverWasThere) {
    TempFolder::WriteFile(PathOf("long.dat"), std::string(9000, 'x'));
    state.Document.CurrentPath = PathOf("long.dat");
    ASSERT_TRUE(SaveDataFile(state, windows));
    // A data file named like its own companion must not be overwritten by the companion.
    state.Document.CurrentPath = PathOf("odd.NVD");
    ASSERT_TRUE(SaveDataFile(state, windows));

    EXPECT_EQ(TempFolder::ReadFile(PathOf("long.dat")).size(), 8597u);
    EXPECT_EQ(TempFolder::ReadFile(PathOf("odd.NVD")).size(), 8597u);
}

TEST_F(DataFileFormatTest, FailedSaveKeepsTheOldFileAndTheChanges) {
    TempFolder::WriteFile(PathOf("keep.dat"), "old content");
    // The temporary file beside the target cannot be created when a folder holds its name.
    std::filesystem::create_directory(PathOf(".keep.dat.saving"));
    state.Document.CurrentPath = PathOf("keep.dat");
    state.Data.Functions.Options.SquelchLevel = 3;

    EXPECT_FALSE(SaveDataFile(state, windows));
    state.Document.CurrentPath = PathOf("no-such-folder/x.dat");
    EXPECT_FALSE(SaveDataFile(state, windows));

    EXPECT_THAT(prompts.Numbers(), ElementsAre(9002, 9002));
    EXPECT_EQ(TempFolder::ReadFile(PathOf("keep.dat")), "old content");
    EXPECT_TRUE(IsDataChanged(state));
    EXPECT_TRUE(state.Document.IsNew);
}

}  // namespace
}  // namespace mox::test
