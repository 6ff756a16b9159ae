#include <gtest/gtest.h>

#include "channels/ChannelCommandEnabling.h"
#include "image/ImageFixture.h"

namespace mox::test {
namespace {

class ChannelCommandEnablingTest : public ImageFixture {};

TEST_F(ChannelCommandEnablingTest, CutAndCopyNeedAChannelWithAFrequencyPasteACopiedOne) {
    Add(1, "435");
    SetFixedText(Add(2, "435").RxDigits, "FFFFFFFF");
    Add(3, "435").IsEmpty = 1;
    const std::pair<int, bool> cases[] = {{1, true}, {2, false}, {3, false}, {4, false}};
    for (const auto& [number, cutCopy] : cases) {
        EXPECT_EQ(ChannelCommandsFor(state.Data.Channels, number, false).CutCopy, cutCopy) << number;
        EXPECT_FALSE(ChannelCommandsFor(state.Data.Channels, number, false).Paste) << number;
        EXPECT_TRUE(ChannelCommandsFor(state.Data.Channels, number, true).Paste) << number;
    }
}

}  // namespace
}  // namespace mox::test
