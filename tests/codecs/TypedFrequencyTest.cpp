#include <gtest/gtest.h>

#include "codecs/TypedFrequency.h"

namespace mox::test {
namespace {

TEST(TypedFrequency, FormatsAsACommittedCellShowsIt) {
    const struct {
        const char* Typed;
        const char* Shown;
    } cases[] = {
        {"435.125", "435.12500"},
        {"435", "435.00000"},
        {"435.", "435.00000"},
        {".5", "0.50000"},
        {"435.123456", "435.12346"},  // halves and above round up, as the cell's format does
        {"435.123454", "435.12345"},
        {"+5", "+5.00000"},
        {"-0.6", "-0.60000"},
        {"-5.000005", "-5.00001"},
        {"", ""},
        {".", "."},  // no number: left as typed for the band check
        {"4.3.5", "4.3.5"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatTypedFrequency(c.Typed), c.Shown) << c.Typed;
}

TEST(TypedFrequency, KeepsDigitsPointAndSignsOnlyWhereAShiftIsTyped) {
    for (char32_t c : {U'0', U'9', U'.', U'\b', U'\r'}) {
        EXPECT_TRUE(KeepsTypedCharacter(c, false)) << static_cast<int>(c);
        EXPECT_TRUE(KeepsTypedCharacter(c, true)) << static_cast<int>(c);
    }
    for (char32_t c : {U'a', U' ', U',', U'e', U'\u00e9', char32_t{3}, char32_t{22}, char32_t{24}})
        EXPECT_FALSE(KeepsTypedCharacter(c, true)) << static_cast<int>(c);
    EXPECT_FALSE(KeepsTypedCharacter(U'+', false));
    EXPECT_FALSE(KeepsTypedCharacter(U'-', false));
    EXPECT_TRUE(KeepsTypedCharacter(U'+', true));
    EXPECT_TRUE(KeepsTypedCharacter(U'-', true));
}

}  // namespace
}  // namespace mox::test
