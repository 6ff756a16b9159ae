#include <gtest/gtest.h>

#include <algorithm>

#include "editors/ChoiceLists.h"
#include "editors/KeyFields.h"
#include "image/FunctionSettingTable.h"
#include "services/Texts.h"
#include "support/BuildPaths.h"

namespace mox {
namespace {

// Stored values and what the window makes of them when it opens: the entry shown and the value written
// back, with and without the scan mode and VOX that functions 8 and 22 need.
struct OpeningCase {
    KeyField Field;
    std::int16_t KeySettings::*Member;
    std::int16_t Stored;
    int ScanMode;
    int Vox;
    int ShownIndex;
    std::int16_t WrittenBack;
};

TEST(KeyFieldsTest, OpeningShowsEachKeyAndWritesTheShownValueBack) {
    const OpeningCase cases[] = {
        {KeyField::Pf1Short, &KeySettings::Pf1Short, 4, 1, 1, 0, 0},  // not on a short press
        {KeyField::Pf1Long, &KeySettings::Pf1Long, 4, 1, 1, 4, 4},
        {KeyField::Pf2Short, &KeySettings::Pf2Short, 11, 1, 1, 0, 0},
        {KeyField::Pf2Short, &KeySettings::Pf2Short, 12, 1, 1, 10, 12},  // after 4 and 11 are left out
        {KeyField::Pf2Long, &KeySettings::Pf2Long, 21, 1, 1, 0, 0},      // on no key
        {KeyField::Pf2Long, &KeySettings::Pf2Long, 22, 1, 1, 21, 22},
        {KeyField::Pf1Long, &KeySettings::Pf1Long, 30, 1, 1, 0, 0},
        {KeyField::Pf1Long, &KeySettings::Pf1Long, -1, 1, 1, 0, 0},
        {KeyField::Pf2Long, &KeySettings::Pf2Long, 8, 0, 1, 0, 0},  // scan needs a scan mode
        {KeyField::Pf2Long, &KeySettings::Pf2Long, 8, 1, 1, 8, 8},
        {KeyField::Pf1Short, &KeySettings::Pf1Short, 22, 1, 0, 0, 0},  // the VOX key needs VOX
        {KeyField::Pf1Short, &KeySettings::Pf1Short, 22, 1, 1, 19, 22},
        {KeyField::LongPressTime, &KeySettings::LongPressTime, 15, 0, 0, 5, 15},
        {KeyField::LongPressTime, &KeySettings::LongPressTime, 30, 0, 0, 0, 10},
        {KeyField::LongPressTime, &KeySettings::LongPressTime, 0, 0, 0, 0, 10},
        {KeyField::EmergencyLongPressTime, &KeySettings::EmergencyLongPressTime, 25, 0, 0, 15, 25},
    };
    for (const OpeningCase& c : cases) {
        FunctionSettings settings;
        settings.Scan.ScanMode = static_cast<std::uint8_t>(c.ScanMode);
        settings.Options.VoxEnable = static_cast<std::int16_t>(c.Vox);
        settings.Keys.*c.Member = c.Stored;
        const auto shown = OpenKeys(settings);
        const std::string name =
            SettingName(*SettingsOfGroup(SettingGroup::Keys)[static_cast<std::size_t>(c.Field)]);
        EXPECT_EQ(shown[static_cast<int>(c.Field)], c.ShownIndex) << name << " " << c.Stored;
        EXPECT_EQ(settings.Keys.*c.Member, c.WrittenBack) << name << " " << c.Stored;
    }
}

TEST(KeyFieldsTest, TheListsNameTheFunctionsEachKeyOffers) {
    Messages messages;
    messages.Paths.ProgramFolder = test::SourceTree() / "dist";
    const auto longList = KeyListEntries(messages, KeyField::Pf1Long);
    const auto shortList = KeyListEntries(messages, KeyField::Pf2Short);
    ASSERT_EQ(longList.size(), 22u);
    ASSERT_EQ(shortList.size(), 20u);
    EXPECT_EQ(longList[21], GetLanguageText(messages, 25062));
    EXPECT_EQ(shortList[4], GetLanguageText(messages, 25045));
    EXPECT_EQ(std::count(longList.begin(), longList.end(), GetLanguageText(messages, 25061)), 0);
    EXPECT_EQ(std::count(shortList.begin(), shortList.end(), GetLanguageText(messages, 25044)), 0);
    EXPECT_EQ(std::count(shortList.begin(), shortList.end(), GetLanguageText(messages, 25051)), 0);
    const auto times = KeyListEntries(messages, KeyField::EmergencyLongPressTime);
    ASSERT_EQ(times.size(), 16u);
    EXPECT_EQ(times.front(), "1.0");
    EXPECT_EQ(times[5], "1.5");
    EXPECT_EQ(times.back(), "2.5");
}

TEST(KeyFieldsTest, AChoiceTheOtherSettingsDoNotAllowSelectsTheFirstEntry) {
    FunctionSettings settings;
    const int scanEntry = EntryOf(KeyListValues(KeyField::Pf2Long), kScanKeyFunction);
    EXPECT_EQ(SelectKeyEntry(settings, KeyField::Pf2Long, scanEntry), 0);
    EXPECT_EQ(settings.Keys.Pf2Long, 0);
    settings.Scan.ScanMode = 1;
    EXPECT_EQ(SelectKeyEntry(settings, KeyField::Pf2Long, scanEntry), scanEntry);
    EXPECT_EQ(settings.Keys.Pf2Long, 8);

    settings.Keys = {10, 10, 5, 5, 5, 5};
    for (KeyField key : {KeyField::Pf1Long, KeyField::Pf1Short, KeyField::Pf2Long, KeyField::Pf2Short}) {
        const int voxEntry = EntryOf(KeyListValues(key), kVoxKeyFunction);
        EXPECT_EQ(SelectKeyEntry(settings, key, voxEntry), 0)
            << SettingName(*SettingsOfGroup(SettingGroup::Keys)[static_cast<std::size_t>(key)]);
    }
    EXPECT_EQ(settings.Keys, (KeySettings{10, 10, 0, 0, 0, 0}));

    SelectKeyEntry(settings, KeyField::LongPressTime, 15);
    EXPECT_EQ(settings.Keys.LongPressTime, 25);
}

TEST(KeyFieldsTest, TheFirstScanModeTakesOnlyTheScanFunctionOffTheKeys) {
    KeySettings keys;
    keys.Pf1Long = 8;
    keys.Pf1Short = 8;
    keys.Pf2Long = 3;
    keys.Pf2Short = 8;
    keys.LongPressTime = 18;
    ClearScanKeyFunctions(keys);
    EXPECT_EQ(keys.Pf1Long, 0);
    EXPECT_EQ(keys.Pf1Short, 0);
    EXPECT_EQ(keys.Pf2Long, 3);
    EXPECT_EQ(keys.Pf2Short, 0);
    EXPECT_EQ(keys.LongPressTime, 18);
}

// Setting a field by its stored value takes only what the window could produce at that moment.
TEST(KeyFieldsTest, SettingAFieldRefusesWhatTheWindowCouldNotChoose) {
    FunctionSettings settings;
    const FunctionSettings before = settings;
    for (auto [field, value] : {std::pair{KeyField::Pf1Short, 4},
                                {KeyField::Pf2Short, 11},
                                {KeyField::Pf1Long, 21},
                                {KeyField::Pf1Long, 8},
                                {KeyField::Pf2Long, 22},
                                {KeyField::Pf1Long, 23},
                                {KeyField::LongPressTime, 9},
                                {KeyField::LongPressTime, 26}}) {
        EXPECT_FALSE(SetKeyField(settings, field, value))
            << SettingName(*SettingsOfGroup(SettingGroup::Keys)[static_cast<std::size_t>(field)]) << value;
    }
    EXPECT_EQ(settings, before);
    EXPECT_EQ(KeyFieldValues(settings, KeyField::Pf1Short).size(), 18u);

    settings.Scan.ScanMode = 1;
    settings.Options.VoxEnable = 1;
    EXPECT_EQ(KeyFieldValues(settings, KeyField::Pf1Short).size(), 20u);
    EXPECT_TRUE(SetKeyField(settings, KeyField::Pf1Long, 8));
    EXPECT_TRUE(SetKeyField(settings, KeyField::Pf2Short, 22));
    EXPECT_TRUE(SetKeyField(settings, KeyField::EmergencyLongPressTime, 25));
    EXPECT_EQ(settings.Keys.Pf1Long, 8);
    EXPECT_EQ(settings.Keys.Pf2Short, 22);
    EXPECT_EQ(settings.Keys.EmergencyLongPressTime, 25);
}

}  // namespace
}  // namespace mox
