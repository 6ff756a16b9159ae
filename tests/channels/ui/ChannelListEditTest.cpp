#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>

#include "ChannelListFixture.h"

namespace mox::test {
namespace {

class ChannelListEditTest : public ChannelListFixture {};

TEST_F(ChannelListEditTest, OpensWithTheRxEditorOfPosition1AndItsTextSelected) {
    frmCommChInfo& list = List();
    ExpectEditorOver(1, 1);
    EXPECT_EQ(Cell(1, 1), "440.00000");
    EXPECT_EQ(Box().selectedText(), "440.00000");
    EXPECT_EQ(list.windowTitle().toStdString(), Text(14050) + " 1 --- " + Text(14012) + " 1]");
    EXPECT_TRUE(state.ChannelEdit.ChannelListOpen);
}

TEST_F(ChannelListEditTest, TypingRxIntoAnEmptyRowCreatesTheChannelAndEnterShowsItAsTx) {
    List();
    Click(2, 1);
    ExpectEditorOver(2, 1);
    Type("435.125");
    Enter(Box());

    const std::vector<QString> row = {Cell(2, 1), Cell(2, 2), Cell(2, 4), Cell(2, 5),
                                      Cell(2, 6), Cell(2, 7), Cell(2, 8), Cell(2, 9)};
    const std::vector<std::string> expected = {"435.12500", "435.12500", Text(14013), Text(14013),
                                               Text(14016), Text(14017), Text(14013), Text(14020)};
    for (std::size_t i = 0; i < row.size(); ++i)
        EXPECT_EQ(row[i].toStdString(), expected[i]) << i;
    ExpectEditorOver(2, 2);
    EXPECT_EQ(Box().text(), "435.12500");
    EXPECT_EQ(state.Data.Channels.Count, 2);
}

TEST_F(ChannelListEditTest, ALaterColumnOfAnEmptyRowEntersItsRxFirst) {
    List();
    Click(3, 6);
    ExpectEditorOver(3, 1);
    EXPECT_FALSE(ListOf(6).isVisible());
    EXPECT_EQ(state.ChannelEdit.EditField, 1);
    EXPECT_EQ(state.ChannelEdit.EditRow, 3);
}

TEST_F(ChannelListEditTest, ClearingRxRemovesTheChannelButTheOnlyOneStays) {
    List();
    Click(2, 1);
    Type("436");
    Enter(Box());
    Click(1, 1);
    QTest::keyClick(&Box(), Qt::Key_Backspace);
    Enter(Box());
    EXPECT_EQ(Cell(1, 1), "");
    EXPECT_EQ(Cell(1, 6), "");
    EXPECT_EQ(At(), std::make_pair(2, 1));  // an emptied RX moves to the next row

    QTest::keyClick(&Box(), Qt::Key_Backspace);
    Enter(Box());
    EXPECT_EQ(Cell(2, 1), "436.00000");
    EXPECT_EQ(state.Data.Channels.Count, 1);
}

TEST_F(ChannelListEditTest, AnRxAboveTheBandWarnsAndShowsTheLimit) {
    List();
    Type("500");
    Enter(Box());
    EXPECT_EQ(prompter.Numbers(), std::vector<int>{9021});
    EXPECT_EQ(Cell(1, 1), "480.00000");
    EXPECT_EQ(Cell(1, 2), "440.00000");  // a new RX keeps the TX
}

TEST_F(ChannelListEditTest, ATonePickedOnAChannelWithoutTonesShowsInBothToneColumns) {
    List();
    Click(1, 4);
    ExpectEditorOver(1, 4);
    PickNext(4);
    EXPECT_EQ(Cell(1, 4), "67.0");
    EXPECT_EQ(Cell(1, 5), "67.0");
    EXPECT_EQ(state.Data.Channels.Records[0].TxTone, 1);
}

TEST_F(ChannelListEditTest, EnterAfterColumn9GoesToTheNextRowAndAfterRow16BackToRow1) {
    List();
    FillGroup(0);
    Click(5, 9);
    ExpectEditorOver(5, 9);
    Enter(ListOf(9));
    ExpectEditorOver(6, 1);

    Click(16, 8);
    Enter(ListOf(8));
    ExpectEditorOver(16, 9);
    Enter(ListOf(9));
    ExpectEditorOver(1, 1);
    EXPECT_EQ(state.ChannelEdit.CurrentGroup, 0);
}

TEST_F(ChannelListEditTest, EnterWalksTheColumnsPastTheHiddenOne) {
    List();
    Enter(Box());
    ExpectEditorOver(1, 2);
    Enter(Box());
    ExpectEditorOver(1, 4);
    Enter(ListOf(4));
    ExpectEditorOver(1, 5);
    EXPECT_TRUE(prompter.Prompts.empty());
}

TEST_F(ChannelListEditTest, WithTheShiftHabitTheTxColumnTakesASignedShift) {
    state.Habit.ShowTxAsShift = true;
    List();
    EXPECT_EQ(Grid().horizontalHeaderItem(2)->text().toStdString(), Text(14100));
    Type("+");
    EXPECT_EQ(Box().text(), "440.00000");  // no sign in the RX column
    Click(1, 2);
    Type("-5");
    Enter(Box());
    EXPECT_EQ(Cell(1, 2), "-5.00000");
    const ChannelRecord& channel = state.Data.Channels.Records[0];
    EXPECT_EQ(channel.ShiftDirection, 1);
    EXPECT_EQ(CutFixedText(channel.ShiftDigits), "0500000");

    state.Habit.ShowTxAsShift = false;
    Current().ReShowAllTxFre(false);
    EXPECT_EQ(Grid().horizontalHeaderItem(2)->text().toStdString(), Text(14003));
    EXPECT_EQ(Cell(1, 2), "435.00000");
}

TEST_F(ChannelListEditTest, TheTextBoxTakesOnlyFrequencyCharacters) {
    List();
    Box().clear();
    Type("4a3 5,.1+2-5");
    EXPECT_EQ(Box().text(), "435.125");
    QApplication::clipboard()->setText("9x9");
    QTest::keyClick(&Box(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(&Box(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(Box().text(), "435.125");
}

TEST_F(ChannelListEditTest, AReadCommitsTheTextBeingTyped) {
    List();
    Type("436.5");
    main->Entry("mnuReadFromRadio")->trigger();  // the question is answered No
    EXPECT_EQ(CutFixedText(state.Data.Channels.Records[0].RxDigits), "43650000");
    EXPECT_EQ(Cell(1, 1), "436.50000");

    Box().selectAll();
    Type("437");
    main->Entry("mnuWriteToRadio")->trigger();
    EXPECT_EQ(CutFixedText(state.Data.Channels.Records[0].RxDigits), "43700000");
    time.RunFor(200);
}

TEST_F(ChannelListEditTest, ClickingAnotherCellStoresTheTypedText) {
    List();
    Type("436.5");
    Click(1, 6);
    EXPECT_EQ(CutFixedText(state.Data.Channels.Records[0].RxDigits), "43650000");
    EXPECT_EQ(Cell(1, 1), "436.50000");
    ExpectEditorOver(1, 6);
}

TEST_F(ChannelListEditTest, ANonNumericTxLeavesTheChannelAsItWas) {
    List();
    Click(1, 2);
    Box().clear();
    Type(".");
    Enter(Box());
    EXPECT_EQ(Cell(1, 2), "440.00000");
    Click(1, 4);  // the text box loses the focus without storing the dot
    EXPECT_EQ(state.Data.Channels.Records[0].ShiftDirection, 0);
    EXPECT_TRUE(prompter.Prompts.empty());
}

}  // namespace
}  // namespace mox::test
