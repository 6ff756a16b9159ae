#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "editors/ui/FrmOptFeatures.h"
#include "services/Texts.h"
#include "support/BuildPaths.h"

namespace mox::test {

namespace {

class FrmOptFeaturesTest : public ::testing::Test {
protected:
    FrmOptFeaturesTest() { messages.Paths.ProgramFolder = SourceTree() / "dist"; }

    QString Text(int number) const { return QString::fromStdString(GetLanguageText(messages, number)); }

    Messages messages;
    FunctionSettings settings;
};

TEST_F(FrmOptFeaturesTest, OpeningShowsTheValuesAndWritesTheShownOnesBack) {
    settings.Options.TimeOutTimer = 22;
    settings.Options.VoiceVolume = 0;
    settings.Options.VoxDelay = 3;
    settings.Options.ChannelGroup = 8;
    settings.Options.VoxTone = 2;
    settings.ResetProhibit = 2;
    FrmOptFeatures window(messages, settings);

    EXPECT_EQ(window.windowTitle(), Text(16000));
    EXPECT_EQ(window.Label1[4]->text(), Text(16005));
    EXPECT_EQ(window.Check1[6]->text(), Text(16036));
    EXPECT_TRUE(window.CommandHelp->isHidden());
    EXPECT_EQ(window.Combo1[4]->currentText(), "15");
    EXPECT_EQ(window.Combo1[11]->currentText(), "1");
    EXPECT_EQ(window.Combo1[9]->currentText(), "2.0");
    EXPECT_EQ(window.Combo1[10]->currentText(), "8");
    EXPECT_EQ(window.Combo1[3]->currentText(), Text(16040));
    EXPECT_EQ(settings.Options.TimeOutTimer, 15);
    EXPECT_EQ(settings.Options.VoiceVolume, 1);
    EXPECT_FALSE(window.Check1[1]->isChecked());
    EXPECT_EQ(settings.Options.VoxTone, 2);
    EXPECT_FALSE(window.Check1[6]->isChecked());
    EXPECT_EQ(settings.ResetProhibit, 0);
}

TEST_F(FrmOptFeaturesTest, TheUsersChoicesReachTheSettingsAtOnce) {
    settings.Options.TimeOutTimer = 45;
    FrmOptFeatures window(messages, settings);
    window.show();

    window.Combo1[4]->setFocus();
    QTest::keyClick(window.Combo1[4], Qt::Key_Down);
    EXPECT_EQ(settings.Options.TimeOutTimer, 60);
    window.Combo1[10]->setCurrentIndex(0);
    EXPECT_EQ(settings.Options.ChannelGroup, 1);
    window.Check1[6]->click();
    EXPECT_EQ(settings.ResetProhibit, 1);
    window.Check1[2]->click();
    EXPECT_EQ(settings.Options.ChannelLock, 1);
}

TEST_F(FrmOptFeaturesTest, VoxEnablesItsControlsWithoutChangingThem) {
    settings.Options.VoxSensitivity = 4;
    settings.Options.VoxDelay = 6;
    settings.Options.VoxTone = 1;
    FrmOptFeatures window(messages, settings);
    window.show();
    EXPECT_FALSE(window.Check1[1]->isEnabled());
    EXPECT_FALSE(window.Combo1[8]->isEnabled());
    EXPECT_FALSE(window.Combo1[9]->isEnabled());
    EXPECT_TRUE(window.Check1[1]->isChecked());
    EXPECT_EQ(window.Combo1[8]->currentText(), "4");

    window.Check1[0]->click();
    EXPECT_EQ(settings.Options.VoxEnable, 1);
    EXPECT_TRUE(window.Check1[1]->isEnabled());
    EXPECT_TRUE(window.Combo1[8]->isEnabled());
    EXPECT_TRUE(window.Combo1[9]->isEnabled());
    EXPECT_EQ(settings.Options.VoxSensitivity, 4);
    EXPECT_EQ(settings.Options.VoxDelay, 6);
    EXPECT_EQ(settings.Options.VoxTone, 1);
}

TEST_F(FrmOptFeaturesTest, EnterMovesOnAsTabAndChangesNothing) {
    FrmOptFeatures window(messages, settings);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    window.Combo1[0]->setFocus();
    const FunctionSettings before = settings;
    QTest::keyClick(window.Combo1[0], Qt::Key_Return);
    EXPECT_TRUE(window.Combo1[1]->hasFocus());
    EXPECT_EQ(settings, before);
}

}  // namespace

}  // namespace mox::test
