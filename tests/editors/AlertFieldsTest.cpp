#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>

#include "editors/AlertFields.h"
#include "editors/ChannelChoices.h"
#include "image/ChannelTable.h"
#include "image/FunctionSettingTable.h"
#include "records/RadioRecords.h"
#include "services/FixedText.h"
#include "services/Texts.h"
#include "support/BuildPaths.h"

namespace mox {
namespace {

using Field = AlertField;
using Entries = std::vector<std::string>;

int At(Field field) {
    return static_cast<int>(field);
}

// The alert settings of one document, with the DTMF memories and channels its lists come from.
class AlertFieldsTest : public ::testing::Test {
protected:
    AlertFieldsTest() { messages.Paths.ProgramFolder = test::SourceTree() / "dist"; }

    void FillMemories(std::initializer_list<int> memories) {
        for (int memory : memories) {
            radio.Data.Functions.Dtmf.AutoDial[memory - 1].Count = 3;
            SetFixedText(radio.Data.Functions.Dtmf.AutoDial[memory - 1].Digits, "123");
        }
    }
    void ClearMemory(int memory) { radio.Data.Functions.Dtmf.AutoDial[memory - 1].Count = 0; }
    void AddChannels(std::initializer_list<int> numbers) {
        for (int number : numbers)
            AppendDefaultChannel(radio.Data.Channels, radio.Model, number, "435");
    }

    AlertView Open() { return OpenAlert(messages, records); }
    std::string Shown(const AlertView& view, Field field) const {
        const int index = view.Selected[At(field)];
        return index < 0 ? std::string("(none)") : view.Entries[At(field)][static_cast<std::size_t>(index)];
    }

    Messages messages;
    RadioRecords radio;
    AlertRecords records = AlertRecordsOf(radio.Data, radio.Companion);
    AlertSettings& alert = radio.Data.Functions.Alert;
};

struct OpeningCase {
    std::uint8_t AlertSettings::*Member;
    Field List;
    std::uint8_t Stored;
    const char* Shown;
    std::uint8_t WrittenBack;
};

TEST_F(AlertFieldsTest, OpeningShowsEachValueAndWritesTheShownOneBack) {
    const OpeningCase cases[] = {
        {&AlertSettings::AlarmTime, Field::AlarmTime, 10, "10", 10},
        {&AlertSettings::AlarmTime, Field::AlarmTime, 0, "1", 1},  // outside: first entry
        {&AlertSettings::AlarmTxTime, Field::AlarmTxTime, 255, "255", 255},
        {&AlertSettings::AlarmRxTime, Field::AlarmRxTime, 0, "1", 1},
        {&AlertSettings::AlarmCycle, Field::AlarmCycle, 0, "", 0},
        {&AlertSettings::AlarmCycle, Field::AlarmCycle, 255, "255", 255},
        {&AlertSettings::EmergencyAlarm, Field::EmergencyAlarm, 3, "", 3},
        {&AlertSettings::EmergencyAlarm, Field::EmergencyAlarm, 4, "", 0},
        {&AlertSettings::ChannelSelect, Field::ChannelSelect, 2, "", 0},
        {&AlertSettings::EmergencyIdType, Field::EmergencyIdType, 2, "", 0},
    };
    for (const OpeningCase& c : cases) {
        radio = RadioRecords{};
        alert.*c.Member = c.Stored;
        const AlertView view = Open();
        if (*c.Shown != '\0') {
            EXPECT_EQ(Shown(view, c.List), c.Shown) << At(c.List) << " " << int(c.Stored);
        }
        EXPECT_EQ(alert.*c.Member, c.WrittenBack) << At(c.List) << " " << int(c.Stored);
    }
    EXPECT_EQ(Shown(Open(), Field::AlarmCycle), GetLanguageText(messages, 27036));
    radio.Companion.AlarmMode = 2;
    EXPECT_EQ(Shown(Open(), Field::AlarmMode), GetLanguageText(messages, 26030));
    EXPECT_EQ(radio.Companion.AlarmMode, 0);
}

TEST_F(AlertFieldsTest, TheModeAlarmAndChannelRulesDecideWhatCanBeChosen) {
    radio.Companion.AlarmMode = 0;
    AlertView view = Open();
    for (int list = 0; list < kAlertListCount; ++list)
        EXPECT_EQ(view.Enabled[list], list == At(Field::AlarmMode)) << list;

    // Mode on with a local alarm: the alarm time, not the ID and the transmit and receive times.
    SelectAlertEntry(records, view, Field::AlarmMode, 1);
    EXPECT_EQ(radio.Companion.AlarmMode, 1);
    const std::array<bool, kAlertListCount> local = {true, false, false, true, false, false,
                                                     true, true,  true,  true, true};
    EXPECT_EQ(view.Enabled, local);

    SelectAlertEntry(records, view, Field::EmergencyAlarm, 2);
    EXPECT_EQ(alert.EmergencyAlarm, 2);
    const std::array<bool, kAlertListCount> sent = {true, true, true, false, true, true,
                                                    true, true, true, true,  true};
    EXPECT_EQ(view.Enabled, sent);

    // The current channel needs no group and position, and keeps the stored ones.
    AddChannels({20});
    ReshowAlertChannels(records, view);
    SelectAlertEntry(records, view, Field::ChannelSelect, 1);
    EXPECT_FALSE(view.Enabled[At(Field::EmergencyGroup)]);
    EXPECT_FALSE(view.Enabled[At(Field::EmergencyChannel)]);
    EXPECT_EQ(alert.ChannelSelect, 1);
    EXPECT_EQ(alert.EmergencyGroup, 2);
    EXPECT_EQ(alert.EmergencyChannel, 4);

    SelectAlertEntry(records, view, Field::AlarmMode, 0);
    EXPECT_EQ(std::count(view.Enabled.begin(), view.Enabled.end(), true), 1);
}

TEST_F(AlertFieldsTest, TheIdMemoryListHoldsTheMemoriesInUse) {
    FillMemories({5, 2});
    alert.EmergencyIdType = 1;
    alert.EmergencyIdMemory = 3;
    AlertView view = Open();
    EXPECT_EQ(view.Entries[At(Field::EmergencyIdMemory)], (Entries{"M2", "M5"}));
    EXPECT_EQ(Shown(view, Field::EmergencyIdMemory), "M2");
    EXPECT_EQ(alert.EmergencyIdMemory, 2);

    SelectAlertEntry(records, view, Field::EmergencyIdMemory, 1);
    EXPECT_EQ(alert.EmergencyIdMemory, 5);

    // ID type 0 sends no ID: an empty list and no memory.
    SelectAlertEntry(records, view, Field::EmergencyIdType, 0);
    EXPECT_TRUE(view.Entries[At(Field::EmergencyIdMemory)].empty());
    EXPECT_EQ(view.Selected[At(Field::EmergencyIdMemory)], -1);
    EXPECT_EQ(alert.EmergencyIdType, 0);
    EXPECT_EQ(alert.EmergencyIdMemory, 0);
    SelectAlertEntry(records, view, Field::EmergencyIdType, 1);
    EXPECT_EQ(Shown(view, Field::EmergencyIdMemory), "M2");
    EXPECT_EQ(alert.EmergencyIdMemory, 2);

    radio.Data.Functions.Dtmf = DtmfSettings{};
    alert.EmergencyIdMemory = 4;
    view = Open();
    EXPECT_TRUE(view.Entries[At(Field::EmergencyIdMemory)].empty());
    EXPECT_EQ(alert.EmergencyIdMemory, 0);
}

TEST_F(AlertFieldsTest, ChangedMemoriesKeepTheShownOneOrFallToTheFirst) {
    FillMemories({2, 3, 5});
    alert.EmergencyIdType = 1;
    alert.EmergencyIdMemory = 5;
    AlertView view = Open();
    ClearMemory(3);
    ReshowAlertIdMemories(records, view);
    EXPECT_EQ(Shown(view, Field::EmergencyIdMemory), "M5");
    EXPECT_EQ(alert.EmergencyIdMemory, 5);

    ClearMemory(5);
    ReshowAlertIdMemories(records, view);
    EXPECT_EQ(view.Entries[At(Field::EmergencyIdMemory)], (Entries{"M2"}));
    EXPECT_EQ(alert.EmergencyIdMemory, 2);

    ClearMemory(2);
    ReshowAlertIdMemories(records, view);
    EXPECT_EQ(view.Selected[At(Field::EmergencyIdMemory)], -1);
    EXPECT_EQ(alert.EmergencyIdMemory, 0);

    // With ID type 0 shown the list stays empty whatever the memories hold.
    SelectAlertEntry(records, view, Field::EmergencyIdType, 0);
    FillMemories({7});
    ReshowAlertIdMemories(records, view);
    EXPECT_TRUE(view.Entries[At(Field::EmergencyIdMemory)].empty());
}

TEST_F(AlertFieldsTest, GroupsAndPositionsFollowTheChannelsThatExist) {
    AddChannels({40, 3, 35, 1});
    EXPECT_EQ(GroupEntries(radio.Data.Channels), (Entries{"1", "3"}));
    EXPECT_EQ(PositionEntries(radio.Data.Channels, 3), (Entries{"3", "8"}));
    EXPECT_TRUE(PositionEntries(radio.Data.Channels, 0).empty());

    // A group without channels shows the first group; the channel is kept where that group has it.
    alert.EmergencyGroup = 5;
    alert.EmergencyChannel = 3;
    AlertView view = Open();
    EXPECT_EQ(Shown(view, Field::EmergencyGroup), "1");
    EXPECT_EQ(view.Entries[At(Field::EmergencyChannel)], (Entries{"1", "3"}));
    EXPECT_EQ(alert.EmergencyGroup, 1);
    EXPECT_EQ(alert.EmergencyChannel, 3);

    SelectAlertEntry(records, view, Field::EmergencyGroup, 1);
    EXPECT_EQ(Shown(view, Field::EmergencyChannel), "3");
    EXPECT_EQ(alert.EmergencyGroup, 3);
    SelectAlertEntry(records, view, Field::EmergencyChannel, 1);
    EXPECT_EQ(alert.EmergencyChannel, 8);

    // The last channel of group 3 goes: the first group and its first position are shown and stored.
    DeleteChannelByNumber(radio.Data.Channels, 35);
    DeleteChannelByNumber(radio.Data.Channels, 40);
    ReshowAlertChannels(records, view);
    EXPECT_EQ(view.Entries[At(Field::EmergencyGroup)], (Entries{"1"}));
    EXPECT_EQ(alert.EmergencyGroup, 1);
    EXPECT_EQ(alert.EmergencyChannel, 1);

    radio.Data.Channels = ChannelTable{};
    ReshowAlertChannels(records, view);
    EXPECT_EQ(view.Selected[At(Field::EmergencyGroup)], -1);
    EXPECT_TRUE(view.Entries[At(Field::EmergencyChannel)].empty());
    EXPECT_EQ(alert.EmergencyGroup, 0);
    EXPECT_EQ(alert.EmergencyChannel, 0);
}

TEST_F(AlertFieldsTest, EachFieldIsSetByItsStoredValueOrRefusedUnchanged) {
    FillMemories({2, 5});
    AddChannels({1, 35});
    EXPECT_EQ(AllowedAlertValues(records, Field::EmergencyIdMemory), (std::vector<int>{0}));
    EXPECT_EQ(AllowedAlertValues(records, Field::AlarmTime).front(), 1);
    EXPECT_EQ(AllowedAlertValues(records, Field::AlarmTime).back(), 255);
    EXPECT_EQ(AllowedAlertValues(records, Field::AlarmCycle).size(), 256u);
    EXPECT_EQ(AllowedAlertValues(records, Field::EmergencyGroup), (std::vector<int>{1, 3}));

    struct Refused {
        Field List;
        int Value;
    };
    for (const Refused& c : {Refused{Field::AlarmTime, 0}, Refused{Field::EmergencyAlarm, 4},
                             Refused{Field::AlarmMode, 2}, Refused{Field::EmergencyIdMemory, 2},
                             Refused{Field::EmergencyGroup, 2}, Refused{Field::EmergencyChannel, 3},
                             Refused{Field::AlarmCycle, 256}, Refused{Field::AlarmTxTime, -1}}) {
        const RadioRecords before = radio;
        EXPECT_FALSE(SetAlertField(records, c.List, c.Value))
            << SettingName(*SettingsOfGroup(SettingGroup::Alert)[At(c.List)]) << c.Value;
        EXPECT_EQ(alert, before.Data.Functions.Alert);
        EXPECT_EQ(radio.Companion, before.Companion);
    }

    EXPECT_TRUE(SetAlertField(records, Field::AlarmTime, 30));
    EXPECT_EQ(alert.AlarmTime, 30);
    EXPECT_EQ(alert.AlarmTxTime, 0);  // the other fields stay as they are
    EXPECT_FALSE(AlertFieldEnabled(records, Field::AlarmTxTime));
    EXPECT_TRUE(AlertFieldEnabled(records, Field::AlarmTime));
    EXPECT_TRUE(SetAlertField(records, Field::EmergencyIdType, 1));
    EXPECT_EQ(alert.EmergencyIdMemory, 2);
    EXPECT_TRUE(SetAlertField(records, Field::EmergencyIdMemory, 5));
    EXPECT_EQ(AlertFieldValue(records, Field::EmergencyIdMemory), 5);
    EXPECT_TRUE(SetAlertField(records, Field::EmergencyGroup, 3));
    EXPECT_EQ(alert.EmergencyChannel, 3);
    EXPECT_TRUE(SetAlertField(records, Field::AlarmMode, 0));
    EXPECT_EQ(AlertFieldValue(records, Field::AlarmMode), 0);
    EXPECT_TRUE(SetAlertField(records, Field::EmergencyIdType, 0));
    EXPECT_EQ(alert.EmergencyIdMemory, 0);
    EXPECT_TRUE(SetAlertField(records, Field::EmergencyIdMemory, 0));
}

}  // namespace
}  // namespace mox
