#include <gtest/gtest.h>

#include "app/AppState.h"
#include "app/LanguageChoice.h"
#include "services/IniFile.h"
#include "services/SetupFile.h"
#include "support/TempFolder.h"

namespace mox {
namespace {

using test::TempFolder;

TEST(LanguageOfLocale, OnlyChineseChinaGivesChinese) {
    EXPECT_EQ(LanguageOfLocale("zh_CN"), kChinese);
    EXPECT_EQ(LanguageOfLocale("zh_CN.UTF-8"), kChinese);
    EXPECT_EQ(LanguageOfLocale("zh-CN"), kChinese);
    EXPECT_EQ(LanguageOfLocale("zh_TW"), kEnglish);
    EXPECT_EQ(LanguageOfLocale("zh_CNX"), kEnglish);
    EXPECT_EQ(LanguageOfLocale("en_US"), kEnglish);
    EXPECT_EQ(LanguageOfLocale("C"), kEnglish);
    EXPECT_EQ(LanguageOfLocale(""), kEnglish);
}

class LanguageDialogTest : public ::testing::Test {
protected:
    LanguageDialogTest() { state.Paths = folder.Paths(); }
    std::string StoredLanguage() const {
        return ReadIniString(state.Paths.SetupFile, "language", "CurrentLanguage", "none");
    }

    TempFolder folder;
    AppState state;
};

TEST_F(LanguageDialogTest, SameLanguageIsWrittenButNotTakenOver) {
    EXPECT_TRUE(ApplyLanguageChoice(state, 0));
    EXPECT_EQ(StoredLanguage(), "1");
    EXPECT_FALSE(LanguageChangePending(state.Language));
    EXPECT_FALSE(TakeLanguageChange(state.Language));
}

TEST_F(LanguageDialogTest, OtherLanguageIsTakenOverOnceByTheMainWindow) {
    EXPECT_TRUE(ApplyLanguageChoice(state, 1));
    EXPECT_EQ(StoredLanguage(), "2");
    EXPECT_EQ(state.Language.CurrentLanguage, kChinese);
    EXPECT_EQ(state.Language.PreviousLanguage, kEnglish);
    EXPECT_EQ(state.Language.FileName, "chinese.ini");
    EXPECT_TRUE(LanguageChangePending(state.Language));
    EXPECT_TRUE(TakeLanguageChange(state.Language));
    EXPECT_EQ(state.Language.PreviousLanguage, kChinese);
    EXPECT_FALSE(TakeLanguageChange(state.Language));
}

TEST_F(LanguageDialogTest, NoSelectionChangesNothing) {
    EXPECT_FALSE(ApplyLanguageChoice(state, -1));
    EXPECT_FALSE(ApplyLanguageChoice(state, 2));
    EXPECT_EQ(state.Language.CurrentLanguage, kEnglish);
    EXPECT_EQ(StoredLanguage(), "none");
}

TEST_F(LanguageDialogTest, UnwritableSettingsKeepTheNewLanguageInForce) {
    std::filesystem::create_directory(state.Paths.SetupFile);
    EXPECT_TRUE(ApplyLanguageChoice(state, 1));
    EXPECT_EQ(state.Language.FileName, "chinese.ini");
}

}  // namespace
}  // namespace mox
