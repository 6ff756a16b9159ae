#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <stdexcept>

#include "app/AppState.h"
#include "codecs/DecimalText.h"
#include "codecs/Frequency.h"

namespace mox {
namespace {

TEST(IsNumericText, AcceptsWhatAUserTypesAsANumber) {
    for (const char* text : {"435", "435.125", ".5", "5.", " 435.1 ", "+5", "-0.6", "4.35e2", "1E-3"})
        EXPECT_TRUE(IsNumericText(text)) << text;
    for (const char* text : {"", " ", ".", "+", "abc", "435,5", "4.3.5", "1e", "1e+", "12 34"})
        EXPECT_FALSE(IsNumericText(text)) << text;
}

TEST(ParseUnits, KeepsEnoughOfLongTextsToRoundAndTruncateExactly) {
    EXPECT_EQ(ParseUnits("435.123455")->Rounded(), 43512346);
    EXPECT_EQ(ParseUnits("435.1234549999999999")->Rounded(), 43512345);
    EXPECT_EQ(ParseUnits("-0.000005")->Rounded(), -1);
    EXPECT_EQ(ParseUnits("-1.000009")->Truncated(), -100000);
    EXPECT_EQ(ParseUnits("0.000005")->RoundedHalfEven(), 0);
    EXPECT_EQ(ParseUnits("0.000015")->RoundedHalfEven(), 2);
    EXPECT_EQ(ParseUnits("1e999999999999")->Rounded(), kSaturatedUnits);
}

// The user's locale may write numbers with ",": frequency texts must not follow it.
TEST(DecimalText, IgnoresTheGlobalLocale) {
    std::locale comma;
    try {
        comma = std::locale("de_DE.UTF-8");
    } catch (const std::runtime_error&) {
        GTEST_SKIP() << "no locale with a decimal comma installed";
    }
    const std::locale previous = std::locale::global(comma);
    AppState state;
    EXPECT_EQ(ClampToBand(state.Model, state, "435.125", false), "435.12500");
    EXPECT_EQ(ClampToBand(state.Model, state, "435,125", false), "400.00000");
    EXPECT_EQ(TextToDigits(state.Model, "4.35125e2"), "43512500");
    EXPECT_EQ(DigitsToDisplay(state.Model, state, "43512500"), "435.12500");
    EXPECT_EQ(PlainDecimalText(136.5), "136.5");
    std::locale::global(previous);
    std::setlocale(LC_ALL, "C");
}

}  // namespace
}  // namespace mox
