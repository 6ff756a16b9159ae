#include <gtest/gtest.h>

#include "app/AppState.h"
#include "codecs/Frequency.h"
#include "support/ScriptedPrompter.h"

namespace mox {
namespace {

class Shift : public ::testing::Test {
protected:
    Shift() { state.Prompts = &prompter; }

    std::string Compute(std::string_view rx, std::string_view text, bool isShift, std::string_view old,
                        int& direction) {
        return ComputeShift(state.Model, state, rx, text, isShift, old, direction);
    }

    AppState state;
    test::ScriptedPrompter prompter;
};

TEST_F(Shift, ShiftTextSignsTheMagnitudeAndTreatsDamagedDigitsAsZero) {
    EXPECT_EQ(ShiftText("0500000", 2), "+5.00000");
    EXPECT_EQ(ShiftText("0060000", 1), "-0.60000");
    EXPECT_EQ(ShiftText("0500000", 7), "5.00000");
    EXPECT_EQ(ShiftText(std::string_view("\0\0\0\0\0\0\0", 7), 2), "+0.00000");
    EXPECT_EQ(ShiftText("FFFFFFF", 1), "-0.00000");
    EXPECT_EQ(ShiftText("-050000", 2), "+0.00000");
}

TEST_F(Shift, TransmitFrequencyFollowsReceiveAndShift) {
    EXPECT_EQ(TxFromRx(state.Model, state, "43500000", "0500000", 2, false), "440.00000");
    EXPECT_EQ(TxFromRx(state.Model, state, "43500000", "0500000", 0, false), "435.00000");
    EXPECT_EQ(TxFromRx(state.Model, state, "43500000", "0500000", 1, true), "-5.00000");
    EXPECT_EQ(TxFromRx(state.Model, state, "FFFFFFFF", "0500000", 1, true), "");
    EXPECT_EQ(TxFromRx(state.Model, state, "00300000", "0500000", 1, false), "-2.00000");
    EXPECT_EQ(TxDisplay(state.Model, state, "00300000", "0500000", 1, false), "2.00000");
    EXPECT_EQ(TxDisplay(state.Model, state, "43500000", "0500000", 2, true), "+5.00000");
    EXPECT_EQ(TxDisplay(state.Model, state, "", "0500000", 2, false), "");
}

TEST_F(Shift, TransmitFrequencySetsDirectionAndMagnitude) {
    int direction = 0;
    EXPECT_EQ(Compute("43500000", "440.00000", false, "", direction), "0500000");
    EXPECT_EQ(direction, 2);
    EXPECT_EQ(Compute("43500000", "434.4", false, "0500000", direction), "0060000");
    EXPECT_EQ(direction, 1);
    EXPECT_EQ(Compute("43500000", "435.0000051", false, "", direction), "0000001");
    EXPECT_EQ(direction, 2);
    // Back on the receive frequency the channel is simplex but keeps its magnitude.
    EXPECT_EQ(Compute("43500000", "435.00000", false, "0500000", direction), "0500000");
    EXPECT_EQ(direction, 0);
    direction = 2;
    EXPECT_EQ(Compute("43500000", "abc", false, "0500000", direction), "0500000");
    EXPECT_EQ(direction, 0);
}

TEST_F(Shift, ShiftTextSetsDirectionFromItsSign) {
    int direction = 0;
    EXPECT_EQ(Compute("43500000", "-0.6", true, "0500000", direction), "0060000");
    EXPECT_EQ(direction, 1);
    EXPECT_EQ(Compute("43500000", "+10", true, "", direction), "1000000");
    EXPECT_EQ(direction, 2);
    EXPECT_EQ(Compute("43500000", "7.5", true, "0500000", direction), "0750000");
    EXPECT_EQ(direction, 0);
    // Seven digits hold at most 99.99999 MHz; a larger shift must not lose its leading digit.
    EXPECT_EQ(Compute("43500000", "+123.45", true, "", direction), "9999999");
    EXPECT_EQ(direction, 2);
    EXPECT_EQ(Compute("43500000", "-1e300", true, "", direction), "9999999");
    EXPECT_EQ(direction, 1);
}

}  // namespace
}  // namespace mox
