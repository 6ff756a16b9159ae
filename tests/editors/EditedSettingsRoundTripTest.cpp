#include <gtest/gtest.h>

#include "editors/AlertFields.h"
#include "editors/ChoiceLists.h"
#include "editors/DtmfFields.h"
#include "editors/KeyFields.h"
#include "editors/MessageLines.h"
#include "editors/OptionFields.h"
#include "editors/ScanFields.h"
#include "image/ChannelTable.h"
#include "image/FunctionPacking.h"
#include "image/FunctionSettingTable.h"
#include "image/RadioImagePacking.h"
#include "records/RadioRecords.h"
#include "support/LinkFixture.h"

namespace mox {
namespace {

// What the editors store is what the radio gets: the settings edited through the editors' rules come
// back unchanged from the radio image.
TEST(EditedSettingsRoundTripTest, EditedSettingsComeBackFromTheRadioImage) {
    RadioRecords radio;
    FunctionSettings& edited = radio.Data.Functions;
    OpenOptFeatures(edited);
    SaveOptFeat(edited, 4, 16);  // time-out timer 240 s
    SaveOptFeat(edited, 9, 9);   // VOX delay 5.0 s
    SaveOptFeat(edited, 10, 7);  // group 8
    SaveOptFeat(edited, 11, 4);  // volume 5
    SaveOptFeat(edited, 20, 1);  // VOX
    SaveOptFeat(edited, 26, 1);  // prohibit initialisation
    OpenDtmf(edited.Dtmf);
    SaveDtmfList(edited.Dtmf, DtmfList::Rate, 9);
    SaveDtmfList(edited.Dtmf, DtmfList::StarHashTime, 3);
    SaveDtmfList(edited.Dtmf, DtmfList::GroupCode, 6);
    CheckIdCode(edited.Dtmf, "0012345678");
    StoreDtmfCode(edited.Dtmf.BotCode, "12ab*#");
    StoreDtmfCode(edited.Dtmf.AutoDial[15], "0123456789ABCD*#");
    StoreDtmfCode(edited.Dtmf.StunCode, "");
    StoreMessageLine(edited.Message, 0, "ABCDEFGHIJKLMNOP");
    StoreMessageLine(edited.Message, 1, "HI THERE");
    StoreMessageLine(edited.Message, 3, "");
    const FunctionSettings sent = edited;

    EraseRadioImage(radio.Image, false);
    PackFunctionSettings(radio);
    ResetFunctionSettings(radio.Data.Functions);
    UnpackFunctionSettings(radio);

    const FunctionSettings& back = radio.Data.Functions;
    EXPECT_EQ(back.Options, sent.Options);
    EXPECT_EQ(back.ResetProhibit, 1);
    for (int i = 0; i < kDtmfListCount; ++i)
        EXPECT_EQ(DtmfListIndex(back.Dtmf, DtmfList(i)), DtmfListIndex(sent.Dtmf, DtmfList(i))) << i;
    EXPECT_EQ(ShownIdCode(back.Dtmf), "0012345678");
    EXPECT_EQ(back.Dtmf.IdLength, 10);
    for (int box = 0; box < kDtmfCodeBoxCount; ++box) {
        DtmfSettings copy = back.Dtmf;
        DtmfSettings original = sent.Dtmf;
        EXPECT_EQ(ShownDtmfCode(DtmfCodeOfBox(copy, box)), ShownDtmfCode(DtmfCodeOfBox(original, box)))
            << box;
    }
    for (int line = 0; line < kMessageLineCount; ++line)
        EXPECT_EQ(ShownMessageLine(back.Message, line), ShownMessageLine(sent.Message, line)) << line;
}

// The alert settings edited as the alert window edits them are what the simulated radio holds after a
// write, and a read brings them back.
class AlertRoundTripTest : public test::LinkFixture {};

TEST_F(AlertRoundTripTest, EditedAlertSettingsReachTheRadioAndComeBack) {
    for (int number : {1, 35, 36})
        AppendDefaultChannel(state.Data.Channels, state.Model, number, "435");
    StoreDtmfCode(state.Data.Functions.Dtmf.AutoDial[6], "123");
    const AlertRecords records = AlertRecordsOf(state.Data, state.Companion);
    const std::pair<AlertField, int> edits[] = {
        {AlertField::EmergencyAlarm, 3}, {AlertField::EmergencyIdType, 1}, {AlertField::EmergencyIdMemory, 7},
        {AlertField::AlarmTime, 255},    {AlertField::AlarmTxTime, 20},    {AlertField::AlarmRxTime, 9},
        {AlertField::ChannelSelect, 1},  {AlertField::EmergencyGroup, 3},  {AlertField::EmergencyChannel, 4},
        {AlertField::AlarmCycle, 12},    {AlertField::AlarmMode, 0},
    };
    for (const auto& [field, value] : edits)
        ASSERT_TRUE(SetAlertField(records, field, value))
            << SettingName(*SettingsOfGroup(SettingGroup::Alert)[static_cast<std::size_t>(field)]);
    const AlertSettings sent = state.Data.Functions.Alert;

    Write();
    // Mode off, channel selection 1, ID type 1, alarm type 3.
    EXPECT_EQ(radio->Memory()[2129], 0x0F);
    EXPECT_EQ(std::vector<int>(radio->Memory().begin() + 2130, radio->Memory().begin() + 2137),
              (std::vector<int>{3, 4, 7, 255, 20, 9, 12}));

    state.Data.Functions.Alert = AlertSettings{};
    state.Companion.AlarmMode = 1;
    Read();
    time.RunFor(600);
    EXPECT_EQ(state.Data.Functions.Alert, sent);
    EXPECT_EQ(state.Companion.AlarmMode, 0);
}

class KeyScanRoundTripTest : public test::LinkFixture {};

// Key and scan settings chosen as the windows choose them are what the radio holds after a write, and a
// read brings them back unchanged.
TEST_F(KeyScanRoundTripTest, KeyAndScanSettingsReachTheRadioAndComeBackOnARead) {
    Read();
    time.RunFor(500);
    FunctionSettings& edited = state.Data.Functions;
    const ChannelTable& channels = state.Data.Channels;
    const std::vector<int> groups = ChannelGroups(channels);
    ASSERT_FALSE(groups.empty());
    const int group = groups.back();
    const std::vector<int> positions = ChannelPositions(channels, group);
    OpenKeys(edited);
    OpenScan(edited, channels);
    using S = ScanField;
    const std::pair<ScanField, int> scanChoices[] = {
        {S::ScanMode, 1},           {S::PriorityMode, 3},
        {S::ReturnChannel, 7},      {S::LookBackA, 50},
        {S::LookBackB, 12},         {S::RxResumeDelay, 1},
        {S::TxResumeDelay, 33},     {S::ScanEntryTone, 1},
        {S::Priority1Group, group}, {S::Priority1Channel, positions.back()},
        {S::Priority2Group, group}, {S::Priority2Channel, positions.front()},
    };
    for (auto [field, value] : scanChoices)
        ASSERT_TRUE(SetScanField(edited, channels, field, value))
            << SettingName(*SettingsOfGroup(SettingGroup::Scan)[static_cast<std::size_t>(field)]);
    using K = KeyField;
    const std::pair<KeyField, int> keyChoices[] = {{K::LongPressTime, 25}, {K::EmergencyLongPressTime, 13},
                                                   {K::Pf1Long, 8},        {K::Pf1Short, 3},
                                                   {K::Pf2Long, 4},        {K::Pf2Short, 12}};
    for (auto [field, value] : keyChoices)
        ASSERT_TRUE(SetKeyField(edited, field, value))
            << SettingName(*SettingsOfGroup(SettingGroup::Keys)[static_cast<std::size_t>(field)]);
    const FunctionSettings sent = edited;

    Write();
    const std::vector<std::uint8_t> held(radio->Memory().begin() + 2106, radio->Memory().begin() + 2121);
    const std::vector<std::uint8_t> expected = {
        25,
        13,
        8,
        3,
        4,
        12,                      // long-press times and key functions
        0x80 + 0x40 + 0x30 + 7,  // scan mode, entry tone, priority mode 3, return channel 7
        static_cast<std::uint8_t>(group),
        static_cast<std::uint8_t>(positions.back()),
        static_cast<std::uint8_t>(group),
        static_cast<std::uint8_t>(positions.front()),
        50,
        12,
        1,
        33};
    EXPECT_EQ(held, expected);

    edited.Keys = {};
    edited.Scan = {};
    Read();
    time.RunFor(500);
    EXPECT_EQ(state.Data.Functions.Keys, sent.Keys);
    EXPECT_EQ(state.Data.Functions.Scan, sent.Scan);
    // Opening the windows on what came back changes nothing.
    OpenKeys(state.Data.Functions);
    OpenScan(state.Data.Functions, state.Data.Channels);
    EXPECT_EQ(state.Data.Functions.Keys, sent.Keys);
    EXPECT_EQ(state.Data.Functions.Scan, sent.Scan);
}

}  // namespace
}  // namespace mox
