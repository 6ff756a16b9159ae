#include <gtest/gtest.h>

#include "services/FixedText.h"

namespace mox {
namespace {

TEST(CutFixedText, RemovesTrailingBlanksThenCutsAtTheFirstNul) {
    EXPECT_EQ(CutFixedText(std::string_view("RB516   ")), "RB516");
    EXPECT_EQ(CutFixedText(std::string_view("AB \0CD  ", 8)), "AB ");
    EXPECT_EQ(CutFixedText(std::string_view("\0\0\0\0\0\0\0", 7)), "");
    EXPECT_EQ(CutFixedText(MakeFixedText<8>("4351")), "4351");
}

TEST(CutFixedText, NulFollowedByBlanksKeepsBlanksBeforeTheNul) {
    FixedText<16> line{};
    SetFixedTextNul(line, "HI ");
    EXPECT_EQ(CutFixedText(line), "HI ");
}

}  // namespace
}  // namespace mox
