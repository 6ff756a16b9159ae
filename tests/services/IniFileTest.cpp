#include <gtest/gtest.h>

#include "services/IniFile.h"
#include "support/TempFolder.h"

namespace mox {
namespace {

using test::TempFolder;

class IniFileTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::filesystem::path file = folder.Root() / "test.ini";
};

TEST_F(IniFileTest, NamesMatchWithoutCaseAndValuesAreTrimmed) {
    TempFolder::WriteFile(file, "[Language]\r\n  ComPort =  3  \r\nEmpty=\r\n");
    EXPECT_EQ(ReadIniString(file, "LANGUAGE", "comport"), "3");
    EXPECT_EQ(ReadIniString(file, "language", "Empty", "dflt"), "");
    EXPECT_EQ(ReadIniString(file, "language", "Missing", "dflt"), "dflt");
    EXPECT_EQ(ReadIniString(file, "Other", "ComPort", "dflt"), "dflt");
    EXPECT_EQ(ReadIniString(folder.Root() / "none.ini", "Language", "ComPort", "dflt"), "dflt");
}

// Every reader sees only the first of repeated sections, and a write goes where the readers look.
TEST_F(IniFileTest, FirstOfDuplicateSectionsAndKeysWins) {
    using Entries = std::vector<std::pair<std::string, std::string>>;
    TempFolder::WriteFile(file, "[A]\nk=1\nK=2\n[B]\nb=1\n[a]\nk=3\nj=4\n");
    EXPECT_EQ(ReadIniString(file, "A", "k"), "1");
    EXPECT_EQ(ReadIniString(file, "A", "j"), "");
    EXPECT_EQ(ReadIniSection(file, "a"), (Entries{{"k", "1"}, {"K", "2"}}));

    ASSERT_TRUE(WriteIniString(file, "A", "j", "5"));
    EXPECT_EQ(ReadIniString(file, "A", "j"), "5");
    EXPECT_EQ(ReadIniSection(file, "A"), (Entries{{"k", "1"}, {"K", "2"}, {"j", "5"}}));
}

TEST_F(IniFileTest, ByteOrderMarkDoesNotHideTheFirstSection) {
    TempFolder::WriteFile(file, "\xEF\xBB\xBF[Msg]\n9004=Read?\n");
    EXPECT_EQ(ReadIniString(file, "Msg", "9004"), "Read?");
}

TEST_F(IniFileTest, BufferCutsNeverSplitACharacter) {
    TempFolder::WriteFile(file, "[S]\nk=ab\xE4\xB8\xAD\n");
    EXPECT_EQ(ReadIniString(file, "S", "k", {}, 5), "ab");
    EXPECT_EQ(ReadIniString(file, "S", "k", {}, 6), "ab\xE4\xB8\xAD");
}

TEST_F(IniFileTest, WriteChangesOneKeyAndKeepsTheRest) {
    TempFolder::WriteFile(
        file, "; comment\r\n[language]\r\nIsFirstRun=1\r\ncomPort=1\r\n[ports]\r\nCOM1=/dev/ttyUSB0\r\n");
    ASSERT_TRUE(WriteIniString(file, "LANGUAGE", "COMPORT", "4"));
    ASSERT_TRUE(WriteIniString(file, "language", "CurrentLanguage", "2"));
    EXPECT_EQ(TempFolder::ReadFile(file),
              "; comment\r\n[language]\r\nIsFirstRun=1\r\nCOMPORT=4\r\nCurrentLanguage=2\r\n[ports]\r\n"
              "COM1=/dev/ttyUSB0\r\n");
}

TEST_F(IniFileTest, WriteCreatesFileAndSection) {
    ASSERT_TRUE(WriteIniString(file, "language", "comPort", "2"));
    ASSERT_TRUE(WriteIniString(file, "ports", "COM2", "/dev/ttyS1"));
    EXPECT_EQ(ReadIniString(file, "language", "comPort"), "2");
    EXPECT_EQ(ReadIniString(file, "ports", "COM2"), "/dev/ttyS1");
}

TEST_F(IniFileTest, WriteRefusesWhatWouldDamageTheFile) {
    TempFolder::WriteFile(file, "[S]\nk=1\n");
    EXPECT_FALSE(WriteIniString(file, "S", "k", "2\n[T]"));
    EXPECT_EQ(TempFolder::ReadFile(file), "[S]\nk=1\n");
    std::filesystem::create_directory(folder.Root() / "dir.ini");
    EXPECT_FALSE(WriteIniString(folder.Root() / "dir.ini", "S", "k", "1"));
}

}  // namespace
}  // namespace mox
