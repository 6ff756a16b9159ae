#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "editors/ui/FrmKey.h"
#include "services/Texts.h"
#include "support/BuildPaths.h"

namespace mox::test {

namespace {

class FrmKeyTest : public ::testing::Test {
protected:
    FrmKeyTest() { messages.Paths.ProgramFolder = SourceTree() / "dist"; }

    QString Text(int number) const { return QString::fromStdString(GetLanguageText(messages, number)); }
    QString Function(int number) const { return Text(kFirstKeyFunctionText + number); }

    Messages messages;
    FunctionSettings settings;
};

TEST_F(FrmKeyTest, OpeningShowsTheValuesAndWritesTheShownOnesBack) {
    settings.Keys = {15, 30, 22, 4, 8, 30};
    FrmKey window(messages, settings);

    EXPECT_EQ(window.windowTitle(), Text(25000));
    EXPECT_EQ(window.Frame1->title(), Text(25003));
    EXPECT_EQ(window.Frame2->title(), Text(25004));
    EXPECT_EQ(window.Label1[10]->text(), Text(25002));
    EXPECT_EQ(window.Label1[3]->text(), Text(25006));
    EXPECT_TRUE(window.CommandHelp->isHidden());
    EXPECT_EQ(window.CommandClose->text(), Text(9023));
    EXPECT_EQ(window.Combo1[0]->count(), 22);
    EXPECT_EQ(window.Combo1[1]->count(), 20);
    EXPECT_EQ(window.Combo1[9]->count(), 16);

    EXPECT_EQ(window.Combo1[9]->currentText(), "1.5");
    EXPECT_EQ(window.Combo1[10]->currentText(), "1.0");
    for (int place = 0; place < 4; ++place)
        EXPECT_EQ(window.Combo1[place]->currentText(), Function(0)) << place;
    EXPECT_EQ(settings.Keys, (KeySettings{15, 10, 0, 0, 0, 0}));
}

TEST_F(FrmKeyTest, TheUsersChoicesReachTheSettingsUnlessAnotherSettingForbidsThem) {
    settings.Options.VoxEnable = 1;
    FrmKey window(messages, settings);
    window.show();

    window.Combo1[3]->setFocus();
    QTest::keyClick(window.Combo1[3], Qt::Key_Down);
    EXPECT_EQ(settings.Keys.Pf2Short, 1);
    window.Combo1[9]->setCurrentIndex(15);
    EXPECT_EQ(settings.Keys.LongPressTime, 25);
    window.Combo1[1]->setCurrentText(Function(22));
    EXPECT_EQ(settings.Keys.Pf1Short, 22);

    // Without a scan mode the scan function gives way to the first entry.
    window.Combo1[2]->setCurrentText(Function(8));
    EXPECT_EQ(window.Combo1[2]->currentText(), Function(0));
    EXPECT_EQ(settings.Keys.Pf2Long, 0);
    settings.Scan.ScanMode = 1;
    window.Combo1[2]->setCurrentText(Function(8));
    EXPECT_EQ(settings.Keys.Pf2Long, 8);

    settings.Options.VoxEnable = 0;
    window.Combo1[0]->setCurrentText(Function(22));
    EXPECT_EQ(window.Combo1[0]->currentText(), Function(0));
    EXPECT_EQ(settings.Keys.Pf1Long, 0);
}

TEST_F(FrmKeyTest, EnterMovesOnAsTabAndChangesNothing) {
    FrmKey window(messages, settings);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    window.Combo1[9]->setFocus();
    const FunctionSettings before = settings;
    QTest::keyClick(window.Combo1[9], Qt::Key_Return);
    EXPECT_TRUE(window.Combo1[10]->hasFocus());
    QTest::keyClick(window.Combo1[10], Qt::Key_Return);
    EXPECT_TRUE(window.Combo1[0]->hasFocus());
    EXPECT_EQ(settings, before);
}

}  // namespace

}  // namespace mox::test
