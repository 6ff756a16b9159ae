#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScrollBar>

#include "ChannelListFixture.h"
#include "app/ui/NavigationPane.h"
#include "channels/ui/FrmCHInfoEdit.h"

namespace mox::test {
namespace {

class ChannelListWindowTest : public ChannelListFixture {
protected:
    bool ChannelMenuShown() const { return main->Menu("MnuCHEdit")->menuAction()->isVisible(); }
};

// The views the main window installs, except that every store fails.
class FailingViews : public NoViews {
public:
    void ChannelChanged(int) override { throw std::runtime_error("redraw"); }
};

TEST_F(ChannelListWindowTest, TheChannelCommandsShowWhileTheListIsActive) {
    List();
    EXPECT_TRUE(ChannelMenuShown());
    EXPECT_TRUE(main->ToolButton("BtnCHCut")->isVisible());
    main->ShowOrFocusWindow("FrmCHInfoEdit");
    EXPECT_FALSE(ChannelMenuShown());
    main->Entry("mnuChannelInfo")->trigger();
    EXPECT_TRUE(ChannelMenuShown());
    Current().close();
    Settle();
    EXPECT_FALSE(ChannelMenuShown());
    EXPECT_FALSE(state.ChannelEdit.ChannelListOpen);
}

TEST_F(ChannelListWindowTest, OpensFromTheMenuAndTheTreeAndAfterNewData) {
    List();
    Current().close();
    Settle();
    main->Entry("mnuChannelInfo")->trigger();
    EXPECT_EQ(OpenWindowNames(), std::vector<QString>{"frmCommChInfo"});
    Current().close();
    Settle();
    main->Picture1->NodeClicked("N1");
    EXPECT_EQ(OpenWindowNames(), std::vector<QString>{"frmCommChInfo"});

    main->ToolButton("NewFile")->trigger();
    QTest::qWait(150);
    Settle();
    EXPECT_EQ(OpenWindowNames(), std::vector<QString>{"frmCommChInfo"});
    EXPECT_EQ(Cell(1, 1), "440.00000");
}

TEST_F(ChannelListWindowTest, CutAndCopyFollowTheCurrentPosition) {
    List();
    main->RegisterCommand("MnuCHCut", [] {});
    main->RegisterCommand("MnuCHPaste", [] {});
    Click(1, 4);
    EXPECT_TRUE(main->Entry("MnuCHCut")->isEnabled());
    EXPECT_TRUE(main->ToolButton("BtnCHCut")->isEnabled());
    Click(2, 1);
    EXPECT_FALSE(main->Entry("MnuCHCut")->isEnabled());
    EXPECT_FALSE(main->Entry("MnuCHPaste")->isEnabled());
    state.Clipboard.Full = true;
    Click(1, 1);
    EXPECT_TRUE(main->Entry("MnuCHPaste")->isEnabled());
}

TEST_F(ChannelListWindowTest, ARightClickSelectsTheCellAndShowsTheChannelEditMenu) {
    List();
    QTest::mousePress(Grid().viewport(), Qt::RightButton, {}, CellCentre(1, 7));
    EXPECT_EQ(At(), std::make_pair(1, 7));
    QMenu* menu = main->Menu("MnuCHEdit");
    EXPECT_TRUE(menu->isVisible());
    menu->close();
}

TEST_F(ChannelListWindowTest, ADoubleClickOnTheLastColumnOpensTheEditorAndGuardsTheNextClick) {
    List();
    Click(1, 10);
    ASSERT_EQ(editor, nullptr);
    DoubleClick(1, 10);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(main->MdiArea->activeSubWindow()->widget(), editor);
    EXPECT_TRUE(Current().TimerCHEdit.isActive());
    EXPECT_EQ(Current().TimerCHEdit.interval(), 1000);

    editor->Followed.clear();
    Click(1, 10);  // the same cell: only a cell entry would tell the editor
    EXPECT_TRUE(editor->Followed.empty());
    Current().TimerCHEdit.stop();
    Click(1, 10);
    EXPECT_EQ(editor->Followed, (std::vector<std::pair<int, int>>{{0, 1}}));
}

TEST_F(ChannelListWindowTest, TheEditorButtonCommitsAndOpensTheEditor) {
    List();
    Type("436");
    QTest::mouseClick(Current().CommandCHInfoEdit, Qt::LeftButton);
    EXPECT_EQ(CutFixedText(state.Data.Channels.Records[0].RxDigits), "43600000");
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(prompter.Prompts.empty());
}

TEST_F(ChannelListWindowTest, TheEditorFollowsTheGridAndTheGridTheEditorsGroup) {
    List();
    main->ShowOrFocusWindow("FrmCHInfoEdit");
    main->ShowOrFocusWindow("frmCommChInfo");
    editor->Followed.clear();
    Click(5, 1);
    ASSERT_FALSE(editor->Followed.empty());
    EXPECT_EQ(editor->Followed.back(), std::make_pair(0, 5));

    state.ChannelEdit.EditGroup = 2;
    state.Redraw->EditGroupChanged();
    EXPECT_EQ(Current().ComboGroup->currentIndex(), 2);
    EXPECT_EQ(state.ChannelEdit.CurrentGroup, 2);
    EXPECT_EQ(editor->Followed.back(), std::make_pair(2, 5));
    EXPECT_TRUE(Current().windowTitle().contains(" 3 --- "));
}

TEST_F(ChannelListWindowTest, TheChannelEditorAndTheListStayInStep) {
    List(false);
    FillGroup(2);
    main->ShowOrFocusWindow("FrmCHInfoEdit");
    auto* chosen = qobject_cast<FrmCHInfoEdit*>(main->FindWindow("FrmCHInfoEdit"));
    ASSERT_NE(chosen, nullptr);
    FrmCHInfoEdit& channelEditor = *chosen;
    main->ShowOrFocusWindow("frmCommChInfo");
    Click(5, 6);
    EXPECT_EQ(channelEditor.Combo1->currentIndex(), 4);
    EXPECT_EQ(channelEditor.Combo4->currentIndex(), 0);

    QTest::keyClick(channelEditor.Combo4, Qt::Key_Down);  // the user's picks: group 2, then group 3
    QTest::keyClick(channelEditor.Combo4, Qt::Key_Down);
    EXPECT_EQ(Current().ComboGroup->currentIndex(), 2);
    EXPECT_EQ(Cell(5, 1), "435.12500");
    EXPECT_EQ(channelEditor.Text1->text(), "435.12500");
}

TEST_F(ChannelListWindowTest, Group8ShowsChannels113To128UnderPositions1To16) {
    List();
    FillGroup(7);
    Current().ComboGroup->setCurrentIndex(7);
    EXPECT_EQ(Cell(1, 1), "431.12500");
    EXPECT_EQ(Cell(16, 1), "436.12500");
    for (int row = 1; row <= 16; ++row)
        EXPECT_EQ(Cell(row, 0), QString::number(row));
    Click(16, 7);
    SetChannelField(state, 128, 7, "1");
    EXPECT_EQ(Cell(16, 7).toStdString(), Text(14018));
    SetChannelField(state, 1, 7, "1");  // another group: its row is not shown
    EXPECT_EQ(Cell(1, 7).toStdString(), Text(14017));
    EXPECT_EQ(Current().windowTitle().toStdString(), Text(14050) + " 8 --- " + Text(14012) + " 16]");
}

TEST_F(ChannelListWindowTest, AFailingRoutineNamesItselfAndLeavesTheListAsItWas) {
    List();
    FailingViews failing;
    state.Redraw = &failing;
    Type("436");
    Enter(Box());
    state.Redraw = main.get();
    ASSERT_EQ(prompter.Prompts.size(), 1u);
    EXPECT_EQ(prompter.Prompts[0].Text, "frmCommChInfo_CommitCellEdit");
    EXPECT_EQ(CutFixedText(state.Data.Channels.Records[0].RxDigits), "43600000");
    EXPECT_EQ(Cell(1, 1), "436.00000");
    ExpectEditorOver(1, 2);
}

TEST_F(ChannelListWindowTest, ScrollingKeepsTheSelectionOnItsLineAtMostTwiceASecond) {
    List();
    auto* frame = qobject_cast<QMdiSubWindow*>(Current().parentWidget());
    frame->resize(frame->width(), frame->height() / 2);
    Settle();
    QScrollBar* bar = Grid().verticalScrollBar();
    ASSERT_GT(bar->maximum(), 2);
    Click(2, 1);
    bar->setValue(2);
    EXPECT_EQ(At(), std::make_pair(4, 1));
    EXPECT_EQ(state.ChannelEdit.EditRow, 4);
    bar->setValue(0);  // within 500 ms of the last
    EXPECT_EQ(At(), std::make_pair(4, 1));

    Current().ScrollTimer.stop();
    Current().CodeMoveTopRow = true;
    bar->setValue(1);
    EXPECT_EQ(At(), std::make_pair(4, 1));
}

// The channel list hides the channel commands as it stops being active, also when the main window goes.
TEST_F(ChannelListWindowTest, TheMainWindowCanGoWithTheChannelListOpen) {
    List();
    EXPECT_TRUE(ChannelMenuShown());
    main.reset();
    EXPECT_FALSE(state.ChannelEdit.ChannelListOpen);
}

TEST_F(ChannelListWindowTest, ClosingStoresThePendingText) {
    List();
    Type("437.5");
    Current().close();
    Settle();
    EXPECT_EQ(CutFixedText(state.Data.Channels.Records[0].RxDigits), "43750000");
}

TEST_F(ChannelListWindowTest, TheTextsFollowTheLanguage) {
    List();
    state.Language.CurrentLanguage = kChinese;
    state.Language.FileName = "chinese.ini";
    Current().ReShowChInfoByLanguage();
    EXPECT_EQ(Grid().horizontalHeaderItem(1)->text().toStdString(), Text(14002));
    EXPECT_EQ(Text(14002), "接收频率");
    EXPECT_EQ(Current().CommandCHInfoEdit->text().toStdString(), Text(14023));
    EXPECT_EQ(Cell(1, 6).toStdString(), Text(14016));
    EXPECT_EQ(ListOf(6).itemText(0).toStdString(), Text(14014));
}

}  // namespace
}  // namespace mox::test
