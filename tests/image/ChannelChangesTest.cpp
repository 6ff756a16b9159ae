#include <gtest/gtest.h>

#include "image/ChannelChanges.h"
#include "image/ChannelTable.h"

namespace mox::test {
namespace {

ChannelTable Channels(const std::vector<int>& numbers) {
    ChannelTable table;
    for (const int number : numbers)
        AppendDefaultChannel(table, ModelState{}, number, "");
    return table;
}

// Records stand in any order; a channel is the same when its record is, wherever it stands.
TEST(ChannelChangesTest, ChangedAndAddedChannelsAscendingWithTheRemovedOnesOnlyWhenAsked) {
    const ChannelTable before = Channels({9, 2, 5, 40});
    ChannelTable after = Channels({40, 2, 5, 3});
    FindChannel(after, 5)->TxPower = 0;
    EXPECT_EQ(ChangedOrAddedChannels(before, after), (std::vector<int>{3, 5}));
    EXPECT_EQ(ChangedAddedOrRemovedChannels(before, after), (std::vector<int>{3, 5, 9}));
    EXPECT_EQ(ChangedAddedOrRemovedChannels(before, before), std::vector<int>{});
    EXPECT_EQ(ChangedAddedOrRemovedChannels(before, ChannelTable{}), (std::vector<int>{2, 5, 9, 40}));
    EXPECT_EQ(ChangedOrAddedChannels(before, ChannelTable{}), std::vector<int>{});
}

}  // namespace
}  // namespace mox::test
