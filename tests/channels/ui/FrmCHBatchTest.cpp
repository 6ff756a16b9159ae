#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>

#include "channels/BatchItems.h"
#include "channels/ui/ChannelListFixture.h"
#include "channels/ui/FrmCHBatch.h"

namespace mox::test {
namespace {

class FrmCHBatchTest : public ChannelListFixture {
protected:
    // Only these items are chosen when the dialog opens.
    void Choose(std::initializer_list<int> chosen) {
        state.BatchItems.fill(0);
        for (const int item : chosen)
            SelectBatchItem(state.BatchItems, item, true);
    }
    // The dialog on its own, over the main window with its channel list.
    std::unique_ptr<FrmCHBatch> Dialog() {
        auto dialog = std::make_unique<FrmCHBatch>(state, *main);
        dialog->show();
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        return dialog;
    }
    // Types over the whole text, as the user does after selecting it.
    static void Retype(QLineEdit* box, const QString& text) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    // A check box takes a click on its box or its text, not on the empty rest of its cell.
    static void Tick(QCheckBox* box) {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->height() / 2, box->height() / 2));
    }
    std::string BatchFun() const { return TempFolder::ReadFile(state.Paths.SettingsFolder / "BatchFun.ini"); }
};

TEST_F(FrmCHBatchTest, ApplyFromTheMenuEntryStepsARangeAndTheChannelListShowsIt) {
    Choose({kBatchRxFrequency, kBatchTxPower});
    List();
    bool applied = false;
    WhenModalShows<FrmCHBatch>([this, &applied](FrmCHBatch& batch) {
        EXPECT_EQ(batch.windowTitle(), QString::fromStdString(Text(29000)));
        EXPECT_EQ(batch.Panels->currentWidget(), batch.SettingsPanel);
        EXPECT_EQ(batch.TextRxStart->text(), "400.00000");  // the band's lower limit
        QTest::mouseClick(batch.OptionRange, Qt::LeftButton);
        Retype(batch.TextFrom, "8");
        Retype(batch.TextTo, "1");
        Retype(batch.TextRxStart, "435");
        Retype(batch.TextRxStep, "12.5");
        batch.ComboValue[kBatchTxPower]->setCurrentIndex(1);
        QTest::mouseClick(batch.CommandApply, Qt::LeftButton);
        applied = true;
        EXPECT_TRUE(batch.isVisible());  // the dialog stays open after Apply
        EXPECT_EQ(batch.TextRxStart->text(), "435.00000");
        QTest::mouseClick(batch.CommandClose, Qt::LeftButton);
    });
    main->Entry("MnuCHBatch")->trigger();
    ASSERT_TRUE(applied);
    Settle();
    for (int row = 1; row <= 8; ++row) {
        const ChannelRecord* channel = FindChannel(state.Data.Channels, row);
        ASSERT_NE(channel, nullptr) << row;
        EXPECT_EQ(channel->TxPower, 1);
    }
    EXPECT_EQ(Cell(1, 1), "435.00000");
    EXPECT_EQ(Cell(2, 1), "435.01250");
    EXPECT_EQ(Cell(8, 1), "435.08750");
    EXPECT_EQ(Cell(8, 6), QString::fromStdString(Text(14015)));
    EXPECT_EQ(Cell(9, 1), "");
    EXPECT_EQ(FindChannel(state.Data.Channels, 9), nullptr);
}

TEST_F(FrmCHBatchTest, FieldsAreCheckedOnLeavingThemAndTakeOnlyTheirKeys) {
    List();
    auto batch = Dialog();
    Retype(batch->TextRxStep, "7");
    EXPECT_EQ(batch->TextRxStep->text(), "7");
    QTest::keyClick(batch->TextRxStep, Qt::Key_Return);  // moves on as Tab does, checking the field
    EXPECT_FALSE(batch->TextRxStep->hasFocus());
    EXPECT_EQ(batch->TextRxStep->text(), "5");
    Retype(batch->TextRxStep, "6.25");
    batch->TextRxStart->setFocus();
    EXPECT_EQ(batch->TextRxStep->text(), "6.25");
    Retype(batch->TextRxStep, "2000");  // limited while typing
    EXPECT_EQ(batch->TextRxStep->text(), "1000");
    Retype(batch->TextRxStart, "4a3b5.0033");
    batch->TextRxStep->setFocus();
    EXPECT_EQ(batch->TextRxStart->text(), "435.00000");

    QTest::mouseClick(batch->OptionRange, Qt::LeftButton);
    Retype(batch->TextFrom, "2.x0");
    EXPECT_EQ(batch->TextFrom->text(), "20");
    Retype(batch->TextTo, "300");
    EXPECT_EQ(batch->TextTo->text(), "128");
    QTest::keyClick(batch->TextTo, Qt::Key_Backspace);
    QTest::keyClick(batch->TextTo, Qt::Key_Backspace);
    QTest::keyClick(batch->TextTo, Qt::Key_Backspace);
    EXPECT_EQ(batch->TextTo->text(), "1");  // an empty field is no number
}

TEST_F(FrmCHBatchTest, ControlsFollowTheOptionsThatGovernThem) {
    List();
    auto batch = Dialog();
    EXPECT_FALSE(batch->TextFrom->isEnabled());
    EXPECT_FALSE(batch->CheckClear->isEnabled());
    QTest::mouseClick(batch->OptionRange, Qt::LeftButton);
    EXPECT_TRUE(batch->TextFrom->isEnabled());
    EXPECT_TRUE(batch->CheckClear->isEnabled());

    EXPECT_FALSE(batch->TextTxOffset->isEnabled());
    EXPECT_FALSE(batch->TextTxStart->isEnabled());
    QTest::mouseClick(batch->OptionTxMode[1], Qt::LeftButton);
    EXPECT_TRUE(batch->TextTxOffset->isEnabled());
    EXPECT_TRUE(batch->OptionOffsetSign[1]->isEnabled());
    EXPECT_FALSE(batch->TextTxStep->isEnabled());
    QTest::mouseClick(batch->OptionTxMode[2], Qt::LeftButton);
    EXPECT_FALSE(batch->TextTxOffset->isEnabled());
    EXPECT_TRUE(batch->TextTxStep->isEnabled());

    EXPECT_TRUE(batch->CheckTxToneSame->isChecked());
    EXPECT_FALSE(batch->CheckToneRandom[1]->isEnabled());
    EXPECT_FALSE(batch->ComboToneStart[1]->isEnabled());
    Tick(batch->CheckTxToneSame);
    EXPECT_TRUE(batch->CheckToneRandom[1]->isEnabled());
    EXPECT_TRUE(batch->ComboToneStart[1]->isEnabled());
    Tick(batch->CheckToneRandom[1]);
    EXPECT_FALSE(batch->ComboToneStart[1]->isEnabled());
    Tick(batch->CheckToneRandom[0]);
    EXPECT_FALSE(batch->TextToneInterval[0]->isEnabled());
}

TEST_F(FrmCHBatchTest, ItemBoxesShowTheirSettingsAndAreKeptInTheSelectionFile) {
    Choose({kBatchRxFrequency, kBatchCompander});
    List();
    auto batch = Dialog();
    EXPECT_TRUE(batch->TextRxStart->isVisibleTo(batch.get()));
    EXPECT_FALSE(batch->ComboValue[kBatchTxPower]->isVisibleTo(batch.get()));
    EXPECT_TRUE(batch->CheckValue[kBatchCompander]->isVisibleTo(batch.get()));
    EXPECT_EQ(batch->CommandFun->text(), QString::fromStdString(Text(29005)));

    QTest::mouseClick(batch->CommandFun, Qt::LeftButton);
    EXPECT_EQ(batch->Panels->currentWidget(), batch->ItemPanel);
    EXPECT_EQ(batch->CommandFun->text(), QString::fromStdString(Text(29006)));
    EXPECT_TRUE(batch->CheckItem[kBatchRxFrequency]->isChecked());
    EXPECT_EQ(batch->CheckItem[kBatchAutoDial2]->text(), QString::fromStdString(Text(29022)) + " 2");
    Tick(batch->CheckItem[kBatchTxPower]);
    std::string expected(20, '\0');
    expected[0] = expected[4] = expected[19] = 1;
    EXPECT_EQ(BatchFun(), expected);
    EXPECT_TRUE(batch->ComboValue[kBatchTxPower]->isVisibleTo(batch->SettingsPanel));

    QTest::mouseClick(batch->CommandSelNone, Qt::LeftButton);
    EXPECT_EQ(BatchFun(), std::string(20, '\0'));
    EXPECT_FALSE(batch->TextRxStart->isVisibleTo(batch->SettingsPanel));
    QTest::mouseClick(batch->CommandSelAll, Qt::LeftButton);
    EXPECT_EQ(BatchFun(), std::string(20, '\1'));
    QTest::mouseClick(batch->CommandFun, Qt::LeftButton);
    EXPECT_EQ(batch->Panels->currentWidget(), batch->SettingsPanel);
    EXPECT_TRUE(batch->CheckTxToneSame->isVisibleTo(batch.get()));
}

}  // namespace
}  // namespace mox::test
