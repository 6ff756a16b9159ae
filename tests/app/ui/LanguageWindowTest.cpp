#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QPushButton>

#include "app/ui/FrmSetLanguage.h"
#include "support/qt/GuiFixture.h"

namespace mox::test {

namespace {

class LanguageWindowTest : public GuiFixture {
protected:
    frmMain& MainWithEditors() {
        return Main([this](frmMain& m) {
            m.RegisterWindow("frmCommChInfo", [this] {
                ++channelListsMade;
                return new QWidget;
            });
            RegisterStandIns(m, {"FrmKey", "FrmScan"});
        });
    }

    void ChooseLanguage(frmMain& window, int index, bool ok) {
        WhenModalShows<FrmSetLanguage>([index, ok](FrmSetLanguage& dialog) {
            dialog.Combo1->setCurrentIndex(index);
            (ok ? dialog.CommandOK : dialog.CommandCancel)->click();
        });
        window.Entry("mnuLanguage")->trigger();
        Settle();
    }

    int channelListsMade = 0;
};

TEST_F(LanguageWindowTest, AnotherLanguageReCaptionsClosesEditorsAndReopensTheChannelList) {
    frmMain& window = MainWithEditors();
    window.Entry("MnuKey")->trigger();
    window.Entry("MnuScan")->trigger();
    ASSERT_EQ(OpenWindowNames().size(), 3u);
    const int made = channelListsMade;

    ChooseLanguage(window, 1, true);

    EXPECT_EQ(OpenWindowNames(), std::vector<QString>{"frmCommChInfo"});
    EXPECT_EQ(channelListsMade, made + 1);
    EXPECT_EQ(state.Language.CurrentLanguage, 2);
    EXPECT_EQ(ReadSetup("CurrentLanguage"), "2");
    EXPECT_TRUE(window.windowTitle().startsWith(QString::fromStdString(Text(12000))));
    EXPECT_EQ(window.Menu("mnuFile")->title().toStdString(), Text(10000));
    EXPECT_EQ(window.Entry("mnuWindowCascade")->text().toStdString(), Text(10601));
    EXPECT_EQ(window.Entry("mnuWindowTileVertical")->text(), "Tile Windows &Vertically");
}

TEST_F(LanguageWindowTest, OkOnTheLanguageInForceWritesTheKeyAndLeavesTheWindows) {
    frmMain& window = MainWithEditors();
    window.Entry("MnuKey")->trigger();
    const QString title = window.windowTitle();
    const int made = channelListsMade;
    WriteSetup("CurrentLanguage", "");

    ChooseLanguage(window, 0, true);

    EXPECT_EQ(ReadSetup("CurrentLanguage"), "1");
    EXPECT_EQ(OpenWindowNames().size(), 2u);
    EXPECT_EQ(channelListsMade, made);
    EXPECT_EQ(window.windowTitle(), title);
}

TEST_F(LanguageWindowTest, CancelWritesNothing) {
    frmMain& window = MainWithEditors();
    WriteSetup("CurrentLanguage", "");
    ChooseLanguage(window, 1, false);
    EXPECT_EQ(ReadSetup("CurrentLanguage"), "");
    EXPECT_EQ(state.Language.CurrentLanguage, 1);
}

}  // namespace

}  // namespace mox::test
