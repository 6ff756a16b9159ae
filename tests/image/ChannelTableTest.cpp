#include <gmock/gmock.h>

#include "image/ImageFixture.h"

namespace mox::test {
namespace {

class ChannelTableTest : public ImageFixture {
protected:
    int Reference(std::uint8_t group, std::uint8_t position) const { return group * 100 + position; }
};

TEST_F(ChannelTableTest, ReferencesMoveToAnExistingChannelOfTheirGroupElseOfAll) {
    for (int n : {20, 22, 40})
        Add(n, "435");
    ScanSettings& scan = state.Data.Functions.Scan;
    AlertSettings& alert = state.Data.Functions.Alert;
    scan.Priority1Group = 2;  // channel 22 exists
    scan.Priority1Channel = 6;
    scan.Priority2Group = 2;  // channel 17 does not
    scan.Priority2Channel = 1;
    alert.EmergencyGroup = 0;
    alert.EmergencyChannel = 3;
    RevalidateChannelReferences(state.Data);
    EXPECT_EQ(Reference(scan.Priority1Group, scan.Priority1Channel), 206);
    EXPECT_EQ(Reference(scan.Priority2Group, scan.Priority2Channel), 204);
    EXPECT_EQ(Reference(alert.EmergencyGroup, alert.EmergencyChannel), 204);

    DeleteChannelByNumber(state.Data.Channels, 20);
    DeleteChannelAt(state.Data.Channels, 0);
    RevalidateChannelReferences(state.Data);
    EXPECT_EQ(Reference(scan.Priority1Group, scan.Priority1Channel), 308);

    DeleteChannelByNumber(state.Data.Channels, 40);
    RevalidateChannelReferences(state.Data);
    EXPECT_EQ(Reference(alert.EmergencyGroup, alert.EmergencyChannel), 0);
}

// With only channels 5 (group 1) and 33 (group 3): where a reference ends up.
struct Revalidation {
    std::uint8_t Group, Position;
    int Expected;  // group * 100 + position
};

constexpr Revalidation kRevalidations[] = {
    {1, 5, 105},                // names an existing channel
    {3, 1, 301},  {1, 9, 105},  // the lowest channel of its group
    {3, 4, 301},  {1, 0, 105},  // no position: still its own group
    {2, 3, 105},                // empty group: the lowest channel of all, not the next group's
    {8, 16, 105}, {0, 0, 105},  // no group
    {9, 1, 105},                // no such group
};

TEST_F(ChannelTableTest, EachReferenceSettlesOnItsGroupElseOnTheLowestChannelOfAll) {
    Add(33, "435");
    Add(5, "435");
    ScanSettings& scan = state.Data.Functions.Scan;
    AlertSettings& alert = state.Data.Functions.Alert;
    for (const Revalidation& r : kRevalidations) {
        SCOPED_TRACE(Reference(r.Group, r.Position));
        scan.Priority1Group = scan.Priority2Group = alert.EmergencyGroup = r.Group;
        scan.Priority1Channel = scan.Priority2Channel = alert.EmergencyChannel = r.Position;
        RevalidateChannelReferences(state.Data);
        EXPECT_EQ(Reference(scan.Priority1Group, scan.Priority1Channel), r.Expected);
        EXPECT_EQ(Reference(scan.Priority2Group, scan.Priority2Channel), r.Expected);
        EXPECT_EQ(Reference(alert.EmergencyGroup, alert.EmergencyChannel), r.Expected);
    }
}

TEST_F(ChannelTableTest, AFullListTakesNoFurtherChannel) {
    for (int n = 1; n <= 128; ++n)
        Add(n + 200, "435");
    EXPECT_EQ(AppendDefaultChannel(state.Data.Channels, state.Model, 1, "435"), nullptr);
    EXPECT_EQ(state.Data.Channels.Count, 128);
}

TEST_F(ChannelTableTest, BusyLockTwoNeedsTheToneChosenByReverse) {
    ChannelRecord r;
    r.BusyLock = 2;
    r.TxTone = 5;
    SettleBusyLock(r);
    EXPECT_EQ(r.BusyLock, 1);
    r.BusyLock = 2;
    r.Reverse = 1;
    SettleBusyLock(r);
    EXPECT_EQ(r.BusyLock, 2);
}

}  // namespace
}  // namespace mox::test
