#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "editors/ChoiceLists.h"
#include "editors/ScanFields.h"
#include "image/ChannelTable.h"
#include "image/FunctionSettingTable.h"
#include "services/Texts.h"
#include "support/BuildPaths.h"

namespace mox {
namespace {

ChannelTable ChannelsNumbered(const std::vector<int>& numbers) {
    ChannelTable table;
    for (int number : numbers)
        table.Records[table.Count++].Number = static_cast<std::int16_t>(number);
    return table;
}

int Shown(const ScanView& view, ScanField field) {
    return view.Shown[static_cast<int>(field)];
}

TEST(ScanFieldsTest, GroupsAndPositionsFollowTheChannelsInAscendingOrder) {
    const ChannelTable table = ChannelsNumbered({40, 35, 2, 36});
    EXPECT_EQ(ChannelGroups(table), (std::vector<int>{1, 3}));
    EXPECT_EQ(ChannelPositions(table, 3), (std::vector<int>{3, 4, 8}));
    EXPECT_EQ(ChannelPositions(table, 2), std::vector<int>{});
    EXPECT_EQ(ChannelPositions(table, 0), std::vector<int>{});
    EXPECT_EQ(ChannelGroups(ChannelsNumbered({})), std::vector<int>{});
    // A damaged channel number names no group.
    EXPECT_EQ(ChannelGroups(ChannelsNumbered({0, 129, -16, 17})), std::vector<int>{2});
}

// The stored pair, the channels, and the pair the window shows and writes back when it opens.
struct PriorityCase {
    std::vector<int> Channels;
    int Group;
    int Position;
    int ShownGroup;
    int ShownPosition;
};

TEST(ScanFieldsTest, OpeningShowsTheStoredPriorityChannelOrTheFirstThatExists) {
    const PriorityCase cases[] = {
        {{40, 35, 2}, 3, 8, 3, 8}, {{40, 35, 2}, 3, 5, 3, 3},  // no such position: the group's first
        {{40, 35, 2}, 5, 1, 1, 2},                    // a group without channels: the first listed group
        {{40, 35, 2}, 0, 0, 1, 2}, {{}, 5, 4, 0, 0},  // no channels at all: nothing to show, stored as none
    };
    for (const PriorityCase& c : cases) {
        FunctionSettings settings;
        settings.Scan.Priority1Group = static_cast<std::uint8_t>(c.Group);
        settings.Scan.Priority1Channel = static_cast<std::uint8_t>(c.Position);
        settings.Scan.Priority2Group = static_cast<std::uint8_t>(c.Group);
        settings.Scan.Priority2Channel = static_cast<std::uint8_t>(c.Position);
        const ScanView view = OpenScan(settings, ChannelsNumbered(c.Channels));
        EXPECT_EQ(Shown(view, ScanField::Priority1Group), c.ShownGroup) << c.Group << "-" << c.Position;
        EXPECT_EQ(Shown(view, ScanField::Priority2Channel), c.ShownPosition) << c.Group << "-" << c.Position;
        EXPECT_EQ(settings.Scan.Priority1Group, c.ShownGroup);
        EXPECT_EQ(settings.Scan.Priority1Channel, c.ShownPosition);
        EXPECT_EQ(settings.Scan.Priority2Group, c.ShownGroup);
        EXPECT_EQ(settings.Scan.Priority2Channel, c.ShownPosition);
    }
}

TEST(ScanFieldsTest, EachPriorityModeOffersItsReturnChannels) {
    EXPECT_EQ(ReturnChannelChoices(0), (std::vector<int>{0, 1, 4, 5}));
    EXPECT_EQ(ReturnChannelChoices(1), (std::vector<int>{0, 1, 2, 4, 5, 6}));
    EXPECT_EQ(ReturnChannelChoices(2), (std::vector<int>{0, 1, 3, 4, 5, 7}));
    EXPECT_EQ(ReturnChannelChoices(3), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));

    Messages messages;
    messages.Paths.ProgramFolder = test::SourceTree() / "dist";
    const auto choices = ScanListEntries(messages, ScanField::ReturnChannel);
    ASSERT_EQ(choices.size(), 8u);
    EXPECT_EQ(choices[1], "Selected + Talkback");
    EXPECT_EQ(choices[3], "Priority CH2");
    EXPECT_EQ(choices[7], "Priority CH2 + Talkback");
    EXPECT_EQ(ScanListEntries(messages, ScanField::PriorityMode)[3], "Priority CH1 + Priority CH2");
}

// Stored values of the plain lists and what the window shows and writes back when it opens.
struct OpeningCase {
    ScanField Field;
    std::uint8_t ScanSettings::*Member;
    std::uint8_t Stored;
    int ShownIndex;
    std::uint8_t WrittenBack;
};

TEST(ScanFieldsTest, OpeningWritesEveryShownValueBack) {
    const OpeningCase cases[] = {
        {ScanField::LookBackA, &ScanSettings::LookBackA, 5, 0, 5},
        {ScanField::LookBackA, &ScanSettings::LookBackA, 60, 0, 5},
        {ScanField::LookBackB, &ScanSettings::LookBackB, 50, 45, 50},
        {ScanField::LookBackB, &ScanSettings::LookBackB, 0, 0, 5},
        {ScanField::RxResumeDelay, &ScanSettings::RxResumeDelay, 50, 49, 50},
        {ScanField::TxResumeDelay, &ScanSettings::TxResumeDelay, 0, 0, 1},
        {ScanField::ScanEntryTone, &ScanSettings::ScanEntryTone, 2, 0, 0},
        {ScanField::ScanEntryTone, &ScanSettings::ScanEntryTone, 1, 1, 1},
        {ScanField::ScanMode, &ScanSettings::ScanMode, 2, 0, 0},
        {ScanField::PriorityMode, &ScanSettings::PriorityMode, 4, 0, 0},
        {ScanField::ReturnChannel, &ScanSettings::ReturnChannel, 3, 0, 0},  // PC2 is not offered in mode 0
        {ScanField::ReturnChannel, &ScanSettings::ReturnChannel, 5, 3, 5},
        {ScanField::ReturnChannel, &ScanSettings::ReturnChannel, 8, 0, 0},
    };
    for (const OpeningCase& c : cases) {
        FunctionSettings settings;
        settings.Scan.*c.Member = c.Stored;
        const ScanView view = OpenScan(settings, ChannelsNumbered({1}));
        const std::string name =
            SettingName(*SettingsOfGroup(SettingGroup::Scan)[static_cast<std::size_t>(c.Field)]);
        EXPECT_EQ(Shown(view, c.Field), c.ShownIndex) << name << " " << int(c.Stored);
        EXPECT_EQ(settings.Scan.*c.Member, c.WrittenBack) << name << " " << int(c.Stored);
    }
}

TEST(ScanFieldsTest, TheReturnChannelFollowsThePriorityMode) {
    FunctionSettings settings;
    settings.Scan.PriorityMode = 1;
    settings.Scan.ReturnChannel = 3;
    const ScanView view = OpenScan(settings, {});
    EXPECT_EQ(Shown(view, ScanField::ReturnChannel), 0);
    EXPECT_EQ(settings.Scan.ReturnChannel, 0);
    EXPECT_EQ(view.ReturnChoices, ReturnChannelChoices(1));

    settings.Scan.PriorityMode = 3;
    settings.Scan.ReturnChannel = 6;
    EXPECT_EQ(SelectPriorityMode(settings.Scan, 1), 5);  // PC1 + talkback is offered in mode 1 too
    EXPECT_EQ(settings.Scan.ReturnChannel, 6);
    EXPECT_EQ(SelectPriorityMode(settings.Scan, 2), 0);
    EXPECT_EQ(settings.Scan.ReturnChannel, 0);
    EXPECT_EQ(settings.Scan.PriorityMode, 2);
    SelectReturnChannel(settings.Scan, 5);
    EXPECT_EQ(settings.Scan.ReturnChannel, 7);
}

TEST(ScanFieldsTest, TheFirstScanModeTakesTheScanFunctionOffTheKeys) {
    FunctionSettings settings;
    settings.Keys.Pf2Short = 8;
    settings.Scan.ScanMode = 1;
    OpenScan(settings, {});
    EXPECT_EQ(settings.Keys.Pf2Short, 8);
    SelectScanMode(settings, 0);
    EXPECT_EQ(settings.Keys.Pf2Short, 0);

    settings.Keys.Pf1Long = 8;
    settings.Scan.ScanMode = 0;
    OpenScan(settings, {});
    EXPECT_EQ(settings.Keys.Pf1Long, 0);
}

TEST(ScanFieldsTest, TheControlsWaitForAScanModeAndThePriorityModeThatUsesThem) {
    using F = ScanField;
    // scan mode, priority mode -> priority 1 lists, priority 2 lists, the other lists and the check box
    const std::tuple<int, int, bool, bool, bool> cases[] = {
        {0, 3, false, false, false}, {1, 0, false, false, true}, {1, 1, true, false, true},
        {1, 2, false, true, true},   {1, 3, true, true, true},
    };
    for (auto [mode, priorityMode, first, second, others] : cases) {
        ScanSettings scan;
        scan.ScanMode = static_cast<std::uint8_t>(mode);
        scan.PriorityMode = static_cast<std::uint8_t>(priorityMode);
        EXPECT_TRUE(ScanControlEnabled(scan, F::ScanMode));
        EXPECT_EQ(ScanControlEnabled(scan, F::Priority1Group), first) << mode << priorityMode;
        EXPECT_EQ(ScanControlEnabled(scan, F::Priority1Channel), first) << mode << priorityMode;
        EXPECT_EQ(ScanControlEnabled(scan, F::Priority2Group), second) << mode << priorityMode;
        EXPECT_EQ(ScanControlEnabled(scan, F::Priority2Channel), second) << mode << priorityMode;
        for (F field : {F::PriorityMode, F::ReturnChannel, F::LookBackA, F::TxResumeDelay, F::ScanEntryTone})
            EXPECT_EQ(ScanControlEnabled(scan, field), others) << mode << priorityMode;
    }
}

TEST(ScanFieldsTest, AChosenGroupShowsItsPositionsAndTheChannelsAgainAfterAChange) {
    ChannelTable table = ChannelsNumbered({5, 20, 23});
    ScanSettings scan;
    scan.Priority1Channel = 9;
    EXPECT_EQ(SelectPriorityGroup(scan, table, 1, 2), 4);
    EXPECT_EQ(scan.Priority1Group, 2);
    EXPECT_EQ(scan.Priority1Channel, 4);
    SelectPriorityChannel(scan, 1, 7);
    EXPECT_EQ(scan.Priority1Channel, 7);

    // The last channel of group 2 goes; the channel store has moved the reference on already or not.
    DeleteChannelByNumber(table, 20);
    DeleteChannelByNumber(table, 23);
    const ScanChannelLists lists = ReshowScanChannels(scan, table);
    EXPECT_EQ(lists.Groups, std::vector<int>{1});
    EXPECT_EQ(lists.Positions[0], std::vector<int>{5});
    EXPECT_EQ(scan.Priority1Group, 1);
    EXPECT_EQ(scan.Priority1Channel, 5);
}

// Setting a field by its stored value takes only what the window could produce at that moment, with
// the same follow-on rules.
TEST(ScanFieldsTest, SettingAFieldRefusesWhatTheWindowCouldNotChoose) {
    const ChannelTable table = ChannelsNumbered({40, 35, 2});
    FunctionSettings settings;
    settings.Scan.ScanMode = 1;
    settings.Scan.PriorityMode = 1;
    const FunctionSettings before = settings;
    using F = ScanField;
    for (auto [field, value] : {std::pair{F::ReturnChannel, 3},
                                {F::ReturnChannel, 8},
                                {F::Priority1Group, 5},
                                {F::Priority1Group, 0},
                                {F::Priority1Channel, 3},
                                {F::LookBackA, 4},
                                {F::LookBackB, 51},
                                {F::RxResumeDelay, 0},
                                {F::ScanMode, 2},
                                {F::PriorityMode, 4},
                                {F::ScanEntryTone, 2},
                                {F::Priority2Group, 3}}) {  // priority mode 1 leaves it disabled
        EXPECT_FALSE(SetScanField(settings, table, field, value))
            << SettingName(*SettingsOfGroup(SettingGroup::Scan)[static_cast<std::size_t>(field)]);
    }
    EXPECT_EQ(settings, before);

    EXPECT_TRUE(SetScanField(settings, table, F::ReturnChannel, 6));
    EXPECT_TRUE(SetScanField(settings, table, F::PriorityMode, 2));
    EXPECT_EQ(settings.Scan.ReturnChannel, 0);
    EXPECT_TRUE(SetScanField(settings, table, F::Priority2Group, 3));
    EXPECT_EQ(settings.Scan.Priority2Channel, 3);
    EXPECT_EQ(ScanFieldValues(settings, table, F::Priority2Channel), (std::vector<int>{3, 8}));
    EXPECT_TRUE(SetScanField(settings, table, F::Priority2Channel, 8));
    EXPECT_TRUE(SetScanField(settings, table, F::LookBackA, 50));
    EXPECT_TRUE(SetScanField(settings, table, F::TxResumeDelay, 1));
    EXPECT_EQ(settings.Scan.Priority2Channel, 8);
    EXPECT_EQ(settings.Scan.LookBackA, 50);
    EXPECT_EQ(settings.Scan.TxResumeDelay, 1);

    settings.Keys.Pf1Short = 8;
    EXPECT_TRUE(SetScanField(settings, table, F::ScanMode, 0));
    EXPECT_EQ(settings.Keys.Pf1Short, 0);
    // Without a scan mode only the scan mode can be chosen.
    EXPECT_FALSE(SetScanField(settings, table, F::LookBackA, 5));
    EXPECT_FALSE(SetScanField(settings, table, F::PriorityMode, 0));
    EXPECT_EQ(ScanFieldValues(settings, {}, F::Priority1Group), std::vector<int>{0});
}

}  // namespace
}  // namespace mox
