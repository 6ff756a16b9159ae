#include <algorithm>

#include "support/LinkFixture.h"

namespace mox::test {
namespace {

class FactoryModeTest : public LinkFixture {
protected:
    FactoryModeTest() { state.FactoryTestMode = true; }

    std::vector<std::string> FirstRequests(std::size_t count) const {
        const std::vector<std::string> requests = Requests();
        return {requests.begin(),
                requests.begin() + static_cast<std::ptrdiff_t>(std::min(count, requests.size()))};
    }
};

TEST_F(FactoryModeTest, ReadFetchesTheTestBlockBeforeTheImage) {
    Read();
    EXPECT_EQ(FirstRequests(6),
              (std::vector<std::string>{"PROGRAM", "ID", "R 2864", "R 8176", "R 0", "R 16"}));
    EXPECT_EQ(ReadAddresses().size(), 179u);
    EXPECT_TRUE(std::equal(state.WorkingTestData.begin(), state.WorkingTestData.end(),
                           radio->Memory().begin() + 8176));
    EXPECT_EQ(Messages(), (std::vector<int>{9004, 9009}));
}

TEST_F(FactoryModeTest, WriteSendsTheTestBlockFirstWithItsLastByteA5) {
    state.WorkingTestData.fill(7);
    Write();
    EXPECT_EQ(FirstRequests(6),
              (std::vector<std::string>{"PROGRAM", "ID", "R 2864", "W 8176", "W 0", "W 16"}));
    EXPECT_EQ(WriteAddresses().size(), 178u);
    TestData expected;
    expected.fill(7);
    expected[15] = 0xA5;
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), radio->Memory().begin() + 8176));
    EXPECT_EQ(Messages(), (std::vector<int>{9005, 9010}));
}

TEST_F(FactoryModeTest, WriteToTheOtherModelKeepsTheDataModelCode) {
    sim::SimConfig config;
    config.ModelCode = "RB516G";
    UseRadio(config);
    Write();
    EXPECT_EQ(Messages(), (std::vector<int>{9005, 9010}));
    // The radio's own code never reached the image, so the data's code went to the radio.
    EXPECT_EQ(std::string(radio->Memory().begin() + 2816, radio->Memory().begin() + 2823),
              std::string("RB516\0\0", 7));
}

TEST_F(FactoryModeTest, UnansweredTestBlockIsAskedForAgain) {
    sim::SimConfig config;
    config.Faults.DropReplies = {4};
    UseRadio(config);
    Read();
    EXPECT_EQ(FirstRequests(6),
              (std::vector<std::string>{"PROGRAM", "ID", "R 2864", "R 8176", "R 8176", "R 0"}));
    EXPECT_EQ(Messages(), (std::vector<int>{9004, 9009}));
}

}  // namespace
}  // namespace mox::test
