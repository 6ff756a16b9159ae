#include <gtest/gtest.h>

#include "editors/MessageLines.h"

namespace mox {
namespace {

std::string Raw(const FixedText<16>& line) {
    return std::string(line.data(), line.size());
}

TEST(MessageLinesTest, ALineIsStoredWholeOrEndedByOneNul) {
    EmbeddedMessage message;
    EXPECT_EQ(StoreMessageLine(message, 0, "ABCDEFGHIJKLMNOP"), "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(Raw(message.Lines[0]), "ABCDEFGHIJKLMNOP");
    StoreMessageLine(message, 0, "ABCDEFGHIJKLMNO");
    EXPECT_EQ(Raw(message.Lines[0]), std::string("ABCDEFGHIJKLMNO\0", 16));
    StoreMessageLine(message, 3, "");
    EXPECT_EQ(Raw(message.Lines[3]), std::string("\0               ", 16));
    StoreMessageLine(message, 1, "HI  ");
    EXPECT_EQ(Raw(message.Lines[1]), std::string("HI  \0           ", 16));
    EXPECT_EQ(ShownMessageLine(message, 1), "HI  ");
}

TEST(MessageLinesTest, LinesFromARadioShowWithoutTrailingBlanks) {
    EmbeddedMessage message;
    SetFixedText(message.Lines[2], "WELCOME");
    EXPECT_EQ(ShownMessageLine(message, 2), "WELCOME");
}

TEST(MessageLinesTest, OnlyPlainAsciiIsKept) {
    EmbeddedMessage message;
    EXPECT_EQ(StoreMessageLine(message, 0, "Caf\xC3\xA9 \xE4\xB8\xAD!\t"), "Caf !");
    EXPECT_EQ(StoreMessageLine(message, 0, "12345678901234567890"), "1234567890123456");
}

}  // namespace
}  // namespace mox
