#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QToolBar>
#include <algorithm>

#include "app/ChannelFieldCommand.h"
#include "editors/ui/FrmDTMF.h"
#include "editors/ui/FrmOptFeatures.h"
#include "files/DataChanged.h"
#include "image/ChannelTable.h"
#include "image/RadioImagePacking.h"
#include "support/qt/GuiFixture.h"

namespace mox::test {
namespace {

class UndoWindowTest : public GuiFixture {
protected:
    frmMain& Active() {
        frmMain& window = Main();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        return window;
    }
    std::string EntryText(const char* name) const { return main->Entry(name)->text().toStdString(); }
};

TEST_F(UndoWindowTest, TheEntriesAndButtonsNameTheNextStepAndAreOffWithoutOne) {
    frmMain& window = Main();
    QAction* undoButton = window.ToolButton("EditUndo");
    ASSERT_NE(undoButton, nullptr);
    EXPECT_EQ(EntryText("mnuEditUndo"), "&Undo");
    EXPECT_EQ(EntryText("mnuEditRedo"), "&Redo");
    EXPECT_FALSE(window.Entry("mnuEditUndo")->isEnabled());
    EXPECT_FALSE(undoButton->isEnabled());
    EXPECT_EQ(window.Entry("mnuEditUndo")->shortcut(), QKeySequence("Ctrl+Z"));
    EXPECT_EQ(window.Entry("mnuEditRedo")->shortcuts(),
              (QList<QKeySequence>{QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));

    SetChannelField(state, 5, 1, "436");
    EXPECT_EQ(EntryText("mnuEditUndo"), "&Undo Change receive frequency of channel 5");
    EXPECT_TRUE(window.Entry("mnuEditUndo")->isEnabled());
    EXPECT_TRUE(undoButton->isEnabled());
    EXPECT_EQ(undoButton->toolTip().toStdString(), "Undo Change receive frequency of channel 5");

    undoButton->trigger();
    EXPECT_FALSE(undoButton->isEnabled());
    EXPECT_TRUE(window.ToolButton("EditRedo")->isEnabled());
    EXPECT_EQ(EntryText("mnuEditRedo"), "&Redo Change receive frequency of channel 5");
    EXPECT_FALSE(IsDataChanged(state));
}

TEST_F(UndoWindowTest, CtrlZInAnEditorShowsTheOldValue) {
    frmMain& window = Active();
    window.Entry("mnuOptFeature")->trigger();
    auto* options = qobject_cast<FrmOptFeatures*>(window.FindWindow("FrmOptFeatures"));
    ASSERT_NE(options, nullptr);
    QComboBox* squelch = options->Combo1[0];
    const int before = squelch->currentIndex();
    squelch->setFocus();
    QTest::keyClick(squelch, Qt::Key_Down);
    ASSERT_EQ(squelch->currentIndex(), before + 1);
    ASSERT_EQ(state.Data.Functions.Options.SquelchLevel, before + 1);
    EXPECT_EQ(EntryText("mnuEditUndo"), "&Undo Change optional features");

    QTest::keyClick(squelch, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(squelch->currentIndex(), before);
    EXPECT_EQ(state.Data.Functions.Options.SquelchLevel, before);
    EXPECT_EQ(window.FindWindow("FrmOptFeatures"), options) << "the window stays open";
}

TEST_F(UndoWindowTest, TypingIntoADtmfCodeIsOneStepAndTheBoxKeepsItsOwnUndo) {
    frmMain& window = Active();
    window.Entry("MnuDTMF")->trigger();
    auto* dtmf = qobject_cast<FrmDTMF*>(window.FindWindow("FrmDTMF"));
    ASSERT_NE(dtmf, nullptr);
    QLineEdit* memory = dtmf->Text2[2];
    memory->setFocus();
    QTest::keyClicks(memory, "123");
    ASSERT_EQ(CutFixedText(state.Data.Functions.Dtmf.AutoDial[2].Digits), "123");
    EXPECT_EQ(state.History.UndoCount(), 1u);

    // As a keyboard gives it: the control character 26 as its text.
    QTest::sendKeyEvent(QTest::Click, memory, Qt::Key_Z, QString(QChar(26)), Qt::ControlModifier);
    EXPECT_EQ(memory->text(), "");
    EXPECT_EQ(state.Data.Functions.Dtmf.AutoDial[2].Count, 0);
    EXPECT_EQ(state.History.UndoCount(), 0u) << "typed away, the step is gone";

    QTest::keyClicks(memory, "45");
    dtmf->Combo1[0]->setFocus();
    window.Entry("mnuEditUndo")->trigger();
    EXPECT_EQ(memory->text(), "");
    window.Entry("mnuEditRedo")->trigger();
    EXPECT_EQ(memory->text(), "45");
}

TEST_F(UndoWindowTest, AWriteAfterUndoWritesTheRestoredData) {
    Main();
    SetChannelField(state, 1, 1, "435.125");
    SetChannelField(state, 1, 1, "440.5");
    ASSERT_EQ(CutFixedText(FindChannel(state.Data.Channels, 1)->RxDigits), "44050000");
    main->Entry("mnuEditUndo")->trigger();
    RunTransfer("mnuWriteToRadio");
    ASSERT_EQ(prompter.Numbers(), (std::vector<int>{9005, 9010}));

    // What the radio now holds, as a read would unpack it.
    RadioRecords written;
    written.Model = state.Model;
    std::copy_n(radio->Memory().begin(), written.Image.size(), written.Image.begin());
    UnpackRadioImage(written, state);
    EXPECT_EQ(CutFixedText(FindChannel(written.Data.Channels, 1)->RxDigits), "43512500");
    EXPECT_EQ(state.History.RedoCount(), 1u) << "a write keeps the history";
}

}  // namespace
}  // namespace mox::test
