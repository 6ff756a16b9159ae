#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include "image/Models.h"
#include "image/ui/FrmModelInfo.h"
#include "support/qt/GuiFixture.h"

namespace mox::test {

namespace {

class ModelDialogTest : public GuiFixture {
protected:
    void Choose(frmMain& window, const QString& model, const QString& band) {
        WhenModalShows<FrmModelInfo>([model, band](FrmModelInfo& dialog) {
            dialog.Combo1->setCurrentText(model);
            dialog.Combo2->setCurrentText(band);
            dialog.CommandOK->click();
        });
        window.Entry("mnuModelInfo")->trigger();
    }
};

TEST_F(ModelDialogTest, OkWithoutAChangeAsksNothingAndMakesNoNewData) {
    frmMain& window = Main();
    state.Data.Channels.Count = 0;
    Choose(window, "MOX-5HK", "400 - 480 MHz");
    EXPECT_TRUE(prompter.Prompts.empty());
    EXPECT_FALSE(window.NewDocTimer.isActive());
    EXPECT_EQ(state.Data.Channels.Count, 0);
}

TEST_F(ModelDialogTest, AConfirmedChangeMakesNewDataForTheChosenBand) {
    frmMain& window = Main();
    prompter.Answer(MsgAnswer::Ok);
    Choose(window, "MOX-5HK_1", "136 - 174 MHz");

    ASSERT_EQ(prompter.Numbers(), std::vector<int>{9016});
    EXPECT_EQ(prompter.Prompts[0].Title, Text(9019));
    EXPECT_EQ(prompter.Prompts[0].Buttons, MsgButtons::OkCancel);
    EXPECT_EQ(state.Model.ModelCode, "RB516G");
    EXPECT_EQ(state.Model.BandCode, 8);
    ASSERT_TRUE(window.NewDocTimer.isActive());
    QTest::qWait(150);
    EXPECT_FALSE(window.NewDocTimer.isActive());
    EXPECT_TRUE(window.windowTitle().contains("MOX-5HK_1:136 - 174 MHz"));
    EXPECT_EQ(state.Data.Channels.Count, 1);
}

TEST_F(ModelDialogTest, CancellingTheWarningChangesNothing) {
    frmMain& window = Main();
    prompter.Answer(MsgAnswer::Cancel);
    Choose(window, "MOX-5HK", "136 - 174 MHz");
    EXPECT_EQ(state.Model.BandName, "400 - 480 MHz");
    EXPECT_EQ(state.Model.UpperLimit, 480);
    EXPECT_FALSE(window.NewDocTimer.isActive());
}

// Data of an unknown model (opened from a data file) show in the dialog as they are; OK without a change
// changes nothing.
TEST_F(ModelDialogTest, AnUnknownModelShowsAsItIsAndOkWithoutAChangeKeepsIt) {
    frmMain& window = Main();
    state.Model.ModelCode = "XY100";
    SetBandLimits(state.Model, "136 - 174 MHz");
    state.Data.Channels.Count = 0;
    WhenModalShows<FrmModelInfo>([](FrmModelInfo& dialog) {
        EXPECT_EQ(dialog.Combo1->currentText(), "XY100");
        EXPECT_EQ(dialog.Combo2->currentText(), "136 - 174 MHz");
        dialog.CommandOK->click();
    });
    window.Entry("mnuModelInfo")->trigger();
    EXPECT_TRUE(prompter.Prompts.empty());
    EXPECT_FALSE(window.NewDocTimer.isActive());
    EXPECT_EQ(state.Model.ModelCode, "XY100");
    EXPECT_EQ(state.Data.Channels.Count, 0);
}

TEST_F(ModelDialogTest, ChoosingAKnownModelOffersItsBandsKeepingTheChosenOne) {
    state.Model.ModelCode = "XY100";
    SetBandLimits(state.Model, "136 - 174 MHz");
    FrmModelInfo dialog(state, nullptr);
    EXPECT_EQ(dialog.Combo2->count(), 1);
    dialog.Combo1->setCurrentText("MOX-5HK_1");
    EXPECT_EQ(dialog.Combo2->count(), 17);
    EXPECT_EQ(dialog.Combo2->currentText(), "136 - 174 MHz");
}

TEST_F(ModelDialogTest, EnterInAListMovesOnInsteadOfPressingOk) {
    FrmModelInfo dialog(state, nullptr);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    dialog.Combo1->setFocus();
    QTest::keyClick(dialog.Combo1, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), dialog.Combo2);
    QTest::keyClick(dialog.Combo2, Qt::Key_Enter);
    EXPECT_EQ(QApplication::focusWidget(), dialog.CommandOK);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(prompter.Prompts.empty());
}

}  // namespace

}  // namespace mox::test
