#include <gtest/gtest.h>

#include "app/AppState.h"
#include "codecs/Frequency.h"
#include "image/Models.h"
#include "support/ScriptedPrompter.h"

namespace mox {
namespace {

class FrequencyText : public ::testing::Test {
protected:
    FrequencyText() { state.Prompts = &prompter; }

    AppState state;
    test::ScriptedPrompter prompter;
};

TEST_F(FrequencyText, TextToDigitsCutsDecimalsBeyondTheFifth) {
    EXPECT_EQ(TextToDigits(state.Model, "435.125"), "43512500");
    EXPECT_EQ(TextToDigits(state.Model, "435.1234567"), "43512345");
    // Also in text of another form, which is read by its value.
    EXPECT_EQ(TextToDigits(state.Model, "4.351234567e2"), "43512345");
    EXPECT_EQ(TextToDigits(state.Model, "400"), "40000000");
    EXPECT_EQ(TextToDigits(state.Model, "43.5"), "04350000");
    EXPECT_EQ(TextToDigits(state.Model, ".5"), "00050000");
    EXPECT_EQ(TextToDigits(state.Model, "43512500"), "43512500");
    EXPECT_EQ(TextToDigits(state.Model, ""), "");
}

TEST_F(FrequencyText, TextToDigitsGivesTheLowerLimitForTextThatIsNoFrequency) {
    SetBandLimits(state.Model, "136 - 174 MHz");
    EXPECT_EQ(TextToDigits(state.Model, "abc"), "13600000");
    EXPECT_EQ(TextToDigits(state.Model, "1000.5"), "13600000");
    // Forms the digit arithmetic cannot take are read by their value.
    EXPECT_EQ(TextToDigits(state.Model, " 435.125 "), "43512500");
    EXPECT_EQ(TextToDigits(state.Model, "+4.35125e2"), "43512500");
}

TEST_F(FrequencyText, DigitsToDisplayPlacesThePointAfterThreeDigits) {
    EXPECT_EQ(DigitsToDisplay(state.Model, state, "43512500"), "435.12500");
    EXPECT_EQ(DigitsToDisplay(state.Model, state, "04350000"), "43.50000");
    EXPECT_EQ(DigitsToDisplay(state.Model, state, "FFFFFFFF"), "");
    EXPECT_EQ(DigitsToDisplay(state.Model, state, std::string_view("\0\0\0\0\0\0\0\0", 8)), "");
    EXPECT_TRUE(prompter.Prompts.empty());
    EXPECT_EQ(DigitsToDisplay(state.Model, state, "43A12500"), "400");
    EXPECT_EQ(DigitsToDisplay(state.Model, state, "4.351250"), "400");
    ASSERT_EQ(prompter.Prompts.size(), 2u);
    EXPECT_EQ(prompter.Prompts[0].Text, "Not IsNumeric");
    EXPECT_EQ(prompter.Prompts[0].Buttons, MsgButtons::Ok);
}

TEST_F(FrequencyText, ClampToBandPullsOutsideValuesToTheNearerLimitAndWarns) {
    EXPECT_EQ(ClampToBand(state.Model, state, "399.99", true), "400.00000");
    EXPECT_EQ(ClampToBand(state.Model, state, "480.000001", true), "480.00000");
    EXPECT_EQ(ClampToBand(state.Model, state, "abc", true), "400.00000");
    ASSERT_EQ(prompter.Numbers(), (std::vector<int>{9021, 9021, 9021}));
    EXPECT_EQ(prompter.Prompts[0].Icon, MsgIcon::Warning);
}

TEST_F(FrequencyText, ClampToBandKeepsInsideValuesRoundedAndSilent) {
    EXPECT_EQ(ClampToBand(state.Model, state, "400", true), "400.00000");
    EXPECT_EQ(ClampToBand(state.Model, state, "480", true), "480.00000");
    EXPECT_EQ(ClampToBand(state.Model, state, "435.123455", true), "435.12346");
    EXPECT_EQ(ClampToBand(state.Model, state, "479.999996", true), "480.00000");
    EXPECT_EQ(ClampToBand(state.Model, state, "1e3", false), "480.00000");
    EXPECT_TRUE(prompter.Prompts.empty());
}

}  // namespace
}  // namespace mox
