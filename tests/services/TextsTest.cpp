#include <gtest/gtest.h>

#include "services/Texts.h"
#include "support/ScriptedPrompter.h"
#include "support/TempFolder.h"

namespace mox {
namespace {

using test::TempFolder;

class TextsTest : public ::testing::Test {
protected:
    TextsTest() { state.Paths = folder.Paths(); }
    void WriteLanguageFile(const std::string& name, const std::string& text) {
        TempFolder::WriteFile(folder.ProgramFolder() / "language" / name, text);
    }

    TempFolder folder;
    Messages state;
};

TEST(LanguageSection, RangeOfTheNumberChoosesTheSection) {
    EXPECT_STREQ(LanguageSectionOf(8999), "OTHER");
    EXPECT_STREQ(LanguageSectionOf(-5), "OTHER");
    EXPECT_STREQ(LanguageSectionOf(9004), "Msg");
    EXPECT_STREQ(LanguageSectionOf(9999), "Msg");
    EXPECT_STREQ(LanguageSectionOf(10000), "Menu");
    EXPECT_STREQ(LanguageSectionOf(17500), "Radio");
    EXPECT_STREQ(LanguageSectionOf(29999), "CHBatch");
    EXPECT_STREQ(LanguageSectionOf(30000), "Others");
    EXPECT_STREQ(LanguageSectionOf(2000000000), "Others");
}

TEST_F(TextsTest, LooksUpTheNumberInItsSectionWithoutRegardToCase) {
    WriteLanguageFile("english.ini",
                      "[OTHER]\n8999=other\n[MSG]\n9004=  Read from radio?  \n[menu]\n10000=&File\n"
                      "[CHBatch]\n29999=batch\n[Others]\n30000=others\n9004=wrong section\n");
    EXPECT_EQ(GetLanguageText(state, 8999), "other");
    EXPECT_EQ(GetLanguageText(state, 9004), "Read from radio?");
    EXPECT_EQ(GetLanguageText(state, 10000), "&File");
    EXPECT_EQ(GetLanguageText(state, 29999), "batch");
    EXPECT_EQ(GetLanguageText(state, 30000), "others");
}

TEST_F(TextsTest, AnythingMissingGivesAnEmptyText) {
    EXPECT_EQ(GetLanguageText(state, 9004), "");
    WriteLanguageFile("english.ini", "[Msg]\n9005=\n");
    EXPECT_EQ(GetLanguageText(state, 9005), "");
    EXPECT_EQ(GetLanguageText(state, 9006), "");
    EXPECT_EQ(GetLanguageText(state, 10000), "");
}

TEST_F(TextsTest, LongTextIsCutTo254BytesAndTrimmed) {
    const std::string longText = std::string(253, 'x') + "   tail";
    WriteLanguageFile("english.ini", "[Msg]\n9001=" + longText + "\n9002=" + std::string(300, 'y') + "\n");
    EXPECT_EQ(GetLanguageText(state, 9001), std::string(253, 'x'));
    EXPECT_EQ(GetLanguageText(state, 9002), std::string(254, 'y'));
}

TEST_F(TextsTest, FileRewrittenWhileRunningTakesEffectAtOnce) {
    WriteLanguageFile("english.ini", "[Msg]\n9004=AAAA\n");
    ASSERT_EQ(GetLanguageText(state, 9004), "AAAA");
    const auto modified =
        std::filesystem::last_write_time(folder.ProgramFolder() / "language" / "english.ini");
    WriteLanguageFile("english.ini", "[Msg]\n9004=BBBB\n");
    std::filesystem::last_write_time(folder.ProgramFolder() / "language" / "english.ini", modified);
    EXPECT_EQ(GetLanguageText(state, 9004), "BBBB");
}

TEST_F(TextsTest, StandardButtonsTakeTheirCaptions) {
    WriteLanguageFile("english.ini", "[Msg]\n9017=OK\n9018=Cancel\n9023=Close\n9025=Help\n");
    EXPECT_EQ(CommandCaption(state, "CommandOK"), "OK");
    EXPECT_EQ(CommandCaption(state, "CommandCancel"), "Cancel");
    EXPECT_EQ(CommandCaption(state, "CommandClose"), "Close");
    EXPECT_EQ(CommandCaption(state, "CommandHelp"), "Help");
    EXPECT_EQ(CommandCaption(state, "CommandApply"), "");
}

TEST_F(TextsTest, MessageCarriesTextNumberButtonsAndIcon) {
    test::ScriptedPrompter prompter;
    state.Prompts = &prompter;
    prompter.Answer(MsgAnswer::Yes);
    WriteLanguageFile("english.ini", "[Msg]\n9006=Save changes?\n");
    EXPECT_EQ(ShowMessage(state, 9006, MsgButtons::YesNoCancel, MsgIcon::Warning), MsgAnswer::Yes);
    ASSERT_EQ(prompter.Prompts.size(), 1u);
    EXPECT_EQ(prompter.Prompts[0].Text, "Save changes?");
    EXPECT_EQ(prompter.Prompts[0].TextNumber, 9006);
    EXPECT_EQ(prompter.Prompts[0].Buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(prompter.Prompts[0].Icon, MsgIcon::Warning);
}

}  // namespace
}  // namespace mox
