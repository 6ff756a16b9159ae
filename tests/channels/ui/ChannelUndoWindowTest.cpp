#include <QAction>
#include <QTest>

#include "ChannelListFixture.h"
#include "channels/ui/FrmCHInfoEdit.h"
#include "files/DocumentEdits.h"

namespace mox::test {
namespace {

// The channel list over group 1, whose position q receives on (430 + q).125 MHz, with a fresh history.
class ChannelUndoWindowTest : public ChannelListFixture {
protected:
    void Open() {
        List(false);
        for (int position = 1; position <= 16; ++position)
            SetChannelField(state, position, 1, std::to_string(430 + position) + ".125");
        state.Habit = {true, false, true, false, false};
        StartHistory(state);
        Current().reShowAllGrid();
    }
    void Delete(int row) {
        Click(row, 1);
        main->Entry("MnuCHDelete")->trigger();
        QTest::qWait(30);
        for (int waited = 0; waited < 5000 && main->TimerCHEdit.isActive(); waited += 10)
            QTest::qWait(10);
        Settle();
    }
    // As a keyboard gives it: the control character 26 as its text.
    void CtrlZ(QWidget& control) const {
        QTest::sendKeyEvent(QTest::Click, &control, Qt::Key_Z, QString(QChar(26)), Qt::ControlModifier);
    }
};

TEST_F(ChannelUndoWindowTest, ADeletedChannelComesBackWithUndoAndGoesAgainWithRedo) {
    Open();
    Delete(12);
    ASSERT_EQ(Cell(12, 1), "");
    ASSERT_EQ(FindChannel(state.Data.Channels, 12), nullptr);
    EXPECT_EQ(main->Entry("mnuEditUndo")->text().toStdString(), "&Undo Delete channel 12");

    CtrlZ(Grid());
    EXPECT_EQ(Cell(12, 1), "442.12500");
    EXPECT_NE(FindChannel(state.Data.Channels, 12), nullptr);
    EXPECT_FALSE(main->Entry("mnuEditUndo")->isEnabled());
    EXPECT_EQ(main->Entry("mnuEditRedo")->text().toStdString(), "&Redo Delete channel 12");

    QTest::keyClick(&Grid(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Cell(12, 1), "");
    main->Entry("mnuEditUndo")->trigger();
    EXPECT_EQ(Cell(12, 1), "442.12500");
    QTest::keyClick(&Grid(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Cell(12, 1), "");
}

TEST_F(ChannelUndoWindowTest, CtrlZInTheFrequencyBoxUndoesTheTypingOnly) {
    Open();
    Delete(12);
    Click(3, 1);
    ASSERT_TRUE(Box().isVisible());
    ASSERT_EQ(Box().text(), "433.12500");
    Box().end(false);
    Type("9");
    ASSERT_EQ(Box().text(), "433.125009");

    CtrlZ(Box());
    EXPECT_EQ(Box().text(), "433.12500");
    EXPECT_EQ(Cell(12, 1), "") << "the deleted channel stays deleted";
    EXPECT_EQ(state.History.UndoCount(), 1u);
    EXPECT_EQ(CutFixedText(FindChannel(state.Data.Channels, 3)->RxDigits), "43312500");

    // With no typing of its own left, the box lets the key undo the last edit of the data.
    CtrlZ(Box());
    EXPECT_EQ(Cell(12, 1), "442.12500");
    EXPECT_EQ(Box().text(), "433.12500");
}

TEST_F(ChannelUndoWindowTest, AStoredFrequencyIsUndoneInTheGridAndInTheChannelEditor) {
    Open();
    Click(5, 1);
    auto* editor = qobject_cast<FrmCHInfoEdit*>(main->ShowOrFocusWindow("FrmCHInfoEdit"));
    ASSERT_NE(editor, nullptr);
    Click(5, 1);
    Box().selectAll();
    Type("440");
    Enter(Box());
    ASSERT_EQ(Cell(5, 1), "440.00000");
    ASSERT_EQ(editor->Text1->text(), "440.00000");
    main->Entry("mnuEditUndo")->trigger();
    EXPECT_EQ(Cell(5, 1), "435.12500");
    EXPECT_EQ(editor->Text1->text(), "435.12500");
    EXPECT_EQ(CutFixedText(FindChannel(state.Data.Channels, 5)->RxDigits), "43512500");
}

}  // namespace
}  // namespace mox::test
