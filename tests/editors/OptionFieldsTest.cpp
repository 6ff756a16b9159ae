#include <gtest/gtest.h>

#include "editors/OptionFields.h"
#include "services/Texts.h"
#include "support/BuildPaths.h"

namespace mox {
namespace {

constexpr int kTimeOutTimer = 4;
constexpr int kVoxDelay = 9;
constexpr int kChannelGroup = 10;
constexpr int kVoiceVolume = 11;

// Stored values and what the window makes of them when it opens: the entry shown and the value written
// back.
struct OpeningCase {
    int List;
    std::int16_t OptionSettings::*Field;
    std::int16_t Stored;
    int ShownIndex;
    std::int16_t WrittenBack;
};

TEST(OptionFieldsTest, OpeningShowsEachListEntryAndWritesItsValueBack) {
    const OpeningCase cases[] = {
        {kTimeOutTimer, &OptionSettings::TimeOutTimer, 45, 3, 45},
        {kTimeOutTimer, &OptionSettings::TimeOutTimer, 22, 1, 15},  // nearest entry
        {kTimeOutTimer, &OptionSettings::TimeOutTimer, 23, 2, 30},
        {kTimeOutTimer, &OptionSettings::TimeOutTimer, 240, 16, 240},
        {kTimeOutTimer, &OptionSettings::TimeOutTimer, 300, 0, 0},  // outside: first entry
        {kVoiceVolume, &OptionSettings::VoiceVolume, 0, 0, 1},
        {kVoiceVolume, &OptionSettings::VoiceVolume, 5, 4, 5},
        {kVoiceVolume, &OptionSettings::VoiceVolume, 6, 0, 1},
        {kChannelGroup, &OptionSettings::ChannelGroup, 8, 7, 8},
        {kChannelGroup, &OptionSettings::ChannelGroup, -3, 0, 1},
        {kVoxDelay, &OptionSettings::VoxDelay, 3, 3, 3},
        {0, &OptionSettings::SquelchLevel, 10, 0, 0},
        {6, &OptionSettings::TotRekeyTime, 60, 60, 60},
        {7, &OptionSettings::TotResetTime, 31, 0, 0},
    };
    for (const OpeningCase& c : cases) {
        FunctionSettings settings;
        settings.Options.*c.Field = c.Stored;
        const OptFeaturesView view = OpenOptFeatures(settings);
        EXPECT_EQ(view.ListIndex[c.List], c.ShownIndex) << "list " << c.List << " value " << c.Stored;
        EXPECT_EQ(settings.Options.*c.Field, c.WrittenBack) << "list " << c.List << " value " << c.Stored;
    }
}

TEST(OptionFieldsTest, AChosenEntryStoresItsValue) {
    FunctionSettings settings;
    SaveOptFeat(settings, kTimeOutTimer, 16);
    EXPECT_EQ(settings.Options.TimeOutTimer, 240);
    SaveOptFeat(settings, kTimeOutTimer, 0);
    EXPECT_EQ(settings.Options.TimeOutTimer, 0);
    SaveOptFeat(settings, kChannelGroup, 0);
    EXPECT_EQ(settings.Options.ChannelGroup, 1);
    SaveOptFeat(settings, kVoiceVolume, 4);
    EXPECT_EQ(settings.Options.VoiceVolume, 5);
    SaveOptFeat(settings, 2, 3);
    EXPECT_EQ(settings.Options.TailEliminationMode, 3);
}

// The values a control stores are exactly those its entries stand for: each one, stored by choosing its
// entry, shows at that entry again.
TEST(OptionFieldsTest, EachValueAControlOffersShowsAtItsOwnEntry) {
    Messages messages;
    messages.Paths.ProgramFolder = test::SourceTree() / "dist";
    std::vector<int> ids;
    for (int id = 0; id < kOptionListCount; ++id)
        ids.push_back(id);
    for (int box = 0; box < kOptionCheckCount; ++box)
        ids.push_back(kFirstOptionCheckId + box);
    for (int id : ids) {
        const std::vector<int> values = OptionValues(id);
        const bool list = id < kFirstOptionCheckId;
        if (list) {
            EXPECT_EQ(values.size(), OptionListEntries(messages, id).size()) << "list " << id;
        }
        for (int index = 0; index < static_cast<int>(values.size()); ++index) {
            FunctionSettings settings;
            SaveOptFeat(settings, id, index);
            EXPECT_EQ(OptionValue(settings, id), values[static_cast<std::size_t>(index)]) << "control " << id;
            if (list) {
                EXPECT_EQ(OptionListIndex(settings, id), index) << "list " << id;
            } else {
                EXPECT_EQ(OptionCheckTicked(settings, id - kFirstOptionCheckId), index == 1) << "box " << id;
            }
        }
    }
    EXPECT_EQ(OptionValues(kTimeOutTimer)[3], 45);
    EXPECT_EQ(OptionValues(kVoiceVolume).front(), 1);
}

TEST(OptionFieldsTest, ListEntriesShowTheirValues) {
    Messages messages;
    messages.Paths.ProgramFolder = test::SourceTree() / "dist";
    const auto timeOut = OptionListEntries(messages, kTimeOutTimer);
    ASSERT_EQ(timeOut.size(), 17u);
    EXPECT_EQ(timeOut[0], GetLanguageText(messages, 16040));
    EXPECT_EQ(timeOut[3], "45");
    EXPECT_EQ(timeOut[16], "240");
    EXPECT_EQ(
        OptionListEntries(messages, kVoxDelay),
        (std::vector<std::string>{"0.5", "1.0", "1.5", "2.0", "2.5", "3.0", "3.5", "4.0", "4.5", "5.0"}));
    EXPECT_EQ(OptionListEntries(messages, kVoiceVolume), (std::vector<std::string>{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(OptionListEntries(messages, 6).back(), "60");
    EXPECT_EQ(OptionListEntries(messages, 7).size(), 31u);
    EXPECT_EQ(OptionListEntries(messages, 8)[6], "6");
    EXPECT_EQ(OptionListEntries(messages, 1)[2], GetLanguageText(messages, 16043));
}

// A check box shows ticked only for 1. The option fields keep an odd value until their box is clicked;
// the prohibit-initialise flag is stored as shown as soon as the window opens.
TEST(OptionFieldsTest, OddCheckValuesShowClearAndOnlyTheResetFlagIsCorrected) {
    FunctionSettings settings;
    settings.Options.VoxTone = 2;
    settings.Options.WiredClone = -1;
    settings.ResetProhibit = 2;
    const OptFeaturesView view = OpenOptFeatures(settings);
    EXPECT_FALSE(view.Ticked[1]);
    EXPECT_FALSE(view.Ticked[4]);
    EXPECT_FALSE(view.Ticked[6]);
    EXPECT_EQ(settings.Options.VoxTone, 2);
    EXPECT_EQ(settings.Options.WiredClone, -1);
    EXPECT_EQ(settings.ResetProhibit, 0);

    SaveOptFeat(settings, kFirstOptionCheckId + 1, 1);
    EXPECT_EQ(settings.Options.VoxTone, 1);
    SaveOptFeat(settings, kFirstOptionCheckId + 6, 1);
    EXPECT_EQ(settings.ResetProhibit, 1);
    settings.ResetProhibit = 1;
    EXPECT_TRUE(OpenOptFeatures(settings).Ticked[6]);
    EXPECT_EQ(settings.ResetProhibit, 1);
}

TEST(OptionFieldsTest, VoxSwitchesItsControlsWithoutChangingThem) {
    FunctionSettings settings;
    settings.Options.VoxSensitivity = 4;
    settings.Options.VoxDelay = 6;
    settings.Options.VoxTone = 1;
    EXPECT_FALSE(VoxControlsEnabled(settings));
    for (int id = 0; id < kFirstOptionCheckId + kOptionCheckCount; ++id) {
        const bool voxControl = id == 8 || id == kVoxDelay || id == kFirstOptionCheckId + kVoxToneCheck;
        if (id < kOptionListCount || id >= kFirstOptionCheckId) {
            EXPECT_EQ(OptionControlEnabled(settings, id), !voxControl) << "control " << id;
        }
    }
    SaveOptFeat(settings, kFirstOptionCheckId + kVoxCheck, 1);
    EXPECT_TRUE(VoxControlsEnabled(settings));
    EXPECT_EQ(settings.Options.VoxSensitivity, 4);
    EXPECT_EQ(settings.Options.VoxDelay, 6);
    EXPECT_EQ(settings.Options.VoxTone, 1);
    EXPECT_TRUE(OptionControlEnabled(settings, kVoxDelay));
    EXPECT_TRUE(OptionControlEnabled(settings, kFirstOptionCheckId + kVoxToneCheck));
    settings.Options.VoxEnable = 2;
    EXPECT_FALSE(VoxControlsEnabled(settings));
    EXPECT_FALSE(OptionControlEnabled(settings, kVoxDelay));
}

}  // namespace
}  // namespace mox
