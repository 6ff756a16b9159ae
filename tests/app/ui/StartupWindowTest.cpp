#include <QMenu>
#include <QTest>
#include <QWindow>

#include "app/ui/ProgramShell.h"
#include "app/ui/frmSplash.h"
#include "support/qt/GuiFixture.h"

namespace mox::test {

namespace {

class StartupWindowTest : public GuiFixture {
protected:
    StartupWindowTest() {
        WriteSetup("IsFirstRun", "0");
        shell.RegisterWindows = [this](frmMain& m) {
            m.RegisterWindow("frmCommChInfo", [this] {
                ++channelListsMade;
                return new QWidget;
            });
        };
    }

    // Start-up, then a click on the splash picture, which opens the main window at once.
    frmMain& Start(const std::string& locale) {
        EXPECT_TRUE(shell.Start({locale, {"2026-01-02", 1}}));
        EXPECT_NE(shell.Splash(), nullptr);
        QTest::mouseClick(shell.Splash(), Qt::LeftButton);
        EXPECT_NE(shell.MainWindow(), nullptr);
        return *shell.MainWindow();
    }

    ~StartupWindowTest() override {
        if (shell.MainWindow() != nullptr)
            shell.MainWindow()->CloseCurAllWindows();
    }

    ProgramShell shell{state, {port, port, enumerator, time, dialogs, &store}};
    int channelListsMade = 0;
};

TEST_F(StartupWindowTest, AChineseLocaleStartsInChinese) {
    frmMain& window = Start("zh_CN");
    EXPECT_EQ(state.Language.CurrentLanguage, 2);
    EXPECT_EQ(ReadSetup("CurrentLanguage"), "2");
    EXPECT_EQ(state.ProgramTitle, Text(12000));
    EXPECT_TRUE(window.windowTitle().startsWith(QString::fromStdString(Text(12000))));
    EXPECT_EQ(window.Menu("mnuFile")->title().toStdString(), Text(10000));
    EXPECT_EQ(channelListsMade, 1);
    Settle();
    EXPECT_EQ(shell.Splash(), nullptr);
}

TEST_F(StartupWindowTest, AStoredLanguageCaptionsAtOnceAndTheFirstActivationReopensTheChannelList) {
    WriteSetup("CurrentLanguage", "2");
    frmMain& window = Start("en_US");
    EXPECT_EQ(state.Language.CurrentLanguage, 2);
    EXPECT_EQ(state.Language.PreviousLanguage, 1);
    EXPECT_EQ(window.Menu("mnuFile")->title().toStdString(), Text(10000));
    ASSERT_EQ(channelListsMade, 1);

    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    Settle();
    EXPECT_EQ(channelListsMade, 2);
    EXPECT_EQ(OpenWindowNamesOf(window), std::vector<QString>{"frmCommChInfo"});
    EXPECT_EQ(state.Language.PreviousLanguage, 2);
}

TEST_F(StartupWindowTest, TheSplashEndsByItselfAfterTwoSeconds) {
    EXPECT_TRUE(shell.Start({"en_US", {"2026-01-02", 1}}));
    ASSERT_NE(shell.Splash(), nullptr);
    EXPECT_EQ(shell.Splash()->Timer1.interval(), 2000);
    EXPECT_EQ(shell.MainWindow(), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([this] { return shell.MainWindow() != nullptr; }, 3000));
}

// A splash closed by the window manager goes on to the main window as the timer does; otherwise the
// program would run on with no window at all.
TEST_F(StartupWindowTest, ClosingTheSplashGoesOnToTheMainWindow) {
    EXPECT_TRUE(shell.Start({"en_US", {"2026-01-02", 1}}));
    ASSERT_NE(shell.Splash(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(shell.Splash()));
    EXPECT_TRUE(shell.Splash()->windowHandle()->close());
    ASSERT_NE(shell.MainWindow(), nullptr);
    EXPECT_TRUE(shell.MainWindow()->isVisible());
    EXPECT_EQ(channelListsMade, 1);
    Settle();
    EXPECT_EQ(shell.Splash(), nullptr);
}

}  // namespace

}  // namespace mox::test
