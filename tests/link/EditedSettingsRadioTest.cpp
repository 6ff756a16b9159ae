#include "LinkFixture.h"
#include "editors/ChoiceLists.h"
#include "editors/KeyFields.h"
#include "editors/ScanFields.h"

namespace mox::test {
namespace {

using EditedSettingsRadioTest = LinkFixture;

// Key and scan settings chosen as the windows choose them are what the radio holds after a write, and a
// read brings them back unchanged.
TEST_F(EditedSettingsRadioTest, KeyAndScanSettingsReachTheRadioAndComeBackOnARead) {
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
        ASSERT_TRUE(SetScanField(edited, channels, field, value)) << kScanFieldNames[static_cast<int>(field)];
    using K = KeyField;
    const std::pair<KeyField, int> keyChoices[] = {{K::LongPressTime, 25}, {K::EmergencyLongPressTime, 13},
                                                   {K::Pf1Long, 8},        {K::Pf1Short, 3},
                                                   {K::Pf2Long, 4},        {K::Pf2Short, 12}};
    for (auto [field, value] : keyChoices)
        ASSERT_TRUE(SetKeyField(edited, field, value)) << kKeyFieldNames[static_cast<int>(field)];
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
}  // namespace mox::test
