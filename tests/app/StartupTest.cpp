#include <gtest/gtest.h>

#include "app/AppState.h"
#include "app/LanguageChoice.h"
#include "app/Startup.h"
#include "services/IniFile.h"
#include "services/SetupFile.h"
#include "support/TempFolder.h"

namespace mox {
namespace {

using test::TempFolder;

class FakeStartupShell : public StartupShell {
public:
    void RunFirstRunSearch(AppState& state) override {
        ++Searches;
        if (RadioAnswers)
            state.Link.IsFirstRun = false;
    }
    void ShowSplash(AppState& state) override { SplashLanguage = state.Language.CurrentLanguage; }

    bool RadioAnswers = true;
    int Searches = 0;
    int SplashLanguage = 0;
};

class StartupTest : public ::testing::Test {
protected:
    StartupTest() {
        state.Paths = folder.Paths();
        TempFolder::WriteFile(folder.ProgramFolder() / "language" / "english.ini",
                              "[Main]\n12000=Radio CPS\n");
        TempFolder::WriteFile(folder.ProgramFolder() / "language" / "chinese.ini", "[Main]\n12000=CPS-zh\n");
    }
    void WriteSetup(const std::string& text) { TempFolder::WriteFile(state.Paths.SetupFile, text); }
    std::string Stored(const std::string& key) const {
        return ReadIniString(state.Paths.SetupFile, "language", key, "none");
    }
    bool Start(const std::string& locale) { return RunStartup(state, shell, {locale, {"2024-05-01", 5}}); }

    TempFolder folder;
    AppState state;
    FakeStartupShell shell;
};

TEST_F(StartupTest, FirstStartWithAChineseLocaleStoresChinese) {
    WriteSetup("[language]\nIsFirstRun=1\ncomPort=3\n");
    ASSERT_TRUE(Start("zh_CN"));
    EXPECT_EQ(shell.Searches, 1);
    EXPECT_EQ(Stored("IsFirstRun"), "0");
    EXPECT_EQ(Stored("comPort"), "3");
    EXPECT_EQ(Stored("CurrentLanguage"), "2");
    EXPECT_EQ(state.Language.FileName, "chinese.ini");
    EXPECT_EQ(shell.SplashLanguage, kChinese);
    EXPECT_EQ(state.ProgramTitle, "CPS-zh");
}

TEST_F(StartupTest, FirstStartIgnoresTheStoredLanguage) {
    WriteSetup("[language]\nIsFirstRun=1\nCurrentLanguage=2\n");
    ASSERT_TRUE(Start("en_US"));
    EXPECT_EQ(Stored("CurrentLanguage"), "1");
    EXPECT_EQ(state.ProgramTitle, "Radio CPS");
}

TEST_F(StartupTest, GivingUpTheFirstRunSearchWritesNothing) {
    const std::string setup = "[language]\nIsFirstRun=1\ncomPort=2\nHandshaking=0\nStopBit=1\n";
    WriteSetup(setup);
    shell.RadioAnswers = false;
    EXPECT_FALSE(Start("en_US"));
    EXPECT_EQ(TempFolder::ReadFile(state.Paths.SetupFile), setup);
    EXPECT_EQ(shell.SplashLanguage, 0);
    for (const char* name : {"Habit.ini", "BatchFun.ini", "Setting.ini"})
        EXPECT_FALSE(std::filesystem::exists(folder.ProgramFolder() / name)) << name;
}

TEST_F(StartupTest, StoredLanguageOtherThanTheLocalesIsTakenOverByTheMainWindow) {
    WriteSetup("[language]\nIsFirstRun=0\nCurrentLanguage=2\n");
    ASSERT_TRUE(Start("en_US"));
    EXPECT_EQ(shell.Searches, 0);
    EXPECT_EQ(state.Language.CurrentLanguage, kChinese);
    EXPECT_EQ(state.Language.PreviousLanguage, kEnglish);
    EXPECT_EQ(state.ProgramTitle, "CPS-zh");
    EXPECT_TRUE(LanguageChangePending(state.Language));
}

TEST_F(StartupTest, UnknownStoredLanguageKeepsTheLocalesAndStoresIt) {
    WriteSetup("[language]\nIsFirstRun=0\nCurrentLanguage=7\n");
    ASSERT_TRUE(Start("zh_CN.UTF-8"));
    EXPECT_EQ(state.Language.CurrentLanguage, kChinese);
    EXPECT_FALSE(LanguageChangePending(state.Language));
    EXPECT_EQ(Stored("CurrentLanguage"), "2");
}

TEST_F(StartupTest, PreparesDefaultsAndTheSmallSettingsFiles) {
    WriteSetup("[language]\nIsFirstRun=0\ncomPort=4\nHandshaking=2\nStopBit=2\n");
    TempFolder::WriteFile(folder.ProgramFolder() / "Setting.ini", std::string("\x01\x00\x00\x00", 4));
    state.ProgrammingPassword = "old";
    state.Model.ModelCode = "RB516G";
    ASSERT_TRUE(Start("en_US"));
    EXPECT_EQ(state.Link.PortNumber, 4);
    EXPECT_EQ(state.Link.Handshaking, 2);
    EXPECT_EQ(state.Link.StopBits, 2);
    EXPECT_EQ(state.Model.ModelCode, "RB516");
    EXPECT_EQ(state.Model.BandName, "400 - 480 MHz");
    EXPECT_EQ(state.ProgrammingPassword, "");
    EXPECT_EQ(state.Data.Channels.Count, 1);
    EXPECT_EQ(state.Features.Remembered, (std::array<std::uint8_t, 4>{1, 0, 0, 0}));
    EXPECT_FALSE(state.FactoryTestMode);
    EXPECT_EQ(TempFolder::ReadFile(folder.ProgramFolder() / "Habit.ini"), "");
    EXPECT_EQ(TempFolder::ReadFile(folder.ProgramFolder() / "BatchFun.ini"), std::string(20, '\x01'));
}

}  // namespace
}  // namespace mox
