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
    RevalidateChannelReferences(state);
    EXPECT_EQ(Reference(scan.Priority1Group, scan.Priority1Channel), 206);
    EXPECT_EQ(Reference(scan.Priority2Group, scan.Priority2Channel), 204);
    EXPECT_EQ(Reference(alert.EmergencyGroup, alert.EmergencyChannel), 204);

    DeleteChannelByNumber(state, 20);
    DeleteChannelAt(state, 0);
    RevalidateChannelReferences(state);
    EXPECT_EQ(Reference(scan.Priority1Group, scan.Priority1Channel), 308);

    DeleteChannelByNumber(state, 40);
    RevalidateChannelReferences(state);
    EXPECT_EQ(Reference(alert.EmergencyGroup, alert.EmergencyChannel), 0);
}

TEST_F(ChannelTableTest, AFullListTakesNoFurtherChannel) {
    for (int n = 1; n <= 128; ++n)
        Add(n + 200, "435");
    EXPECT_EQ(AppendDefaultChannel(state, 1, "435"), nullptr);
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
