#include <gmock/gmock.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "channels/ui/FrmCHInfoEdit.h"
#include "image/ChannelTable.h"
#include "support/ScriptedPrompter.h"
#include "support/TempFolder.h"

namespace mox::test {
namespace {

using ::testing::ElementsAre;

// The main window's part between the two channel windows: a store or a cell entry in the channel list
// makes the editor follow; a group chosen in the editor makes the channel list show it, and the
// channel list's group change makes the editor follow again.
class LinkedViews : public Views {
public:
    explicit LinkedViews(ChannelEditState& edit) : m_edit(edit) {}
    void ChannelChanged(int) override { Follow(); }
    void ChannelReferencesChanged() override {}
    void EditPositionChanged() override { Follow(); }
    void EditGroupChanged() override {
        ListGroups.push_back(m_edit.EditGroup);
        m_edit.CurrentGroup = m_edit.EditGroup;
        Follow();
    }

    FrmCHInfoEdit* Editor = nullptr;
    std::vector<int> ListGroups;  // the groups the channel list was made to show

private:
    void Follow() {
        if (Editor != nullptr)
            Editor->SetGridEditData(true);
    }
    ChannelEditState& m_edit;
};

class FrmCHInfoEditTest : public ::testing::Test {
protected:
    FrmCHInfoEditTest() {
        folder.InstallLanguageFiles();
        state.Paths = folder.Paths();
        state.Prompts = &prompter;
        state.Redraw = &views;
    }

    FrmCHInfoEdit& Open() {
        editor = std::make_unique<FrmCHInfoEdit>(state);
        views.Editor = editor.get();
        editor->show();
        editor->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(editor.get()));
        return *editor;
    }
    ChannelRecord& Add(int number, const char* rx) {
        return *AppendDefaultChannel(state.Data.Channels, state.Model, number, rx);
    }
    const ChannelRecord* Channel(int number) const { return FindChannel(state.Data.Channels, number); }
    // Types into a box that has the focus, as the user does.
    static void Type(QWidget* box, const char* text) {
        box->setFocus();
        QApplication::processEvents();
        QTest::keyClicks(box, text);
    }
    static int Entries(const QComboBox* list) { return list->count(); }

    TempFolder folder;
    AppState state;
    ScriptedPrompter prompter;
    LinkedViews views{state.ChannelEdit};
    std::unique_ptr<FrmCHInfoEdit> editor;
};

TEST_F(FrmCHInfoEditTest, OpensOnTheChannelListsCellWithEveryField) {
    ChannelRecord& r = Add(37, "435.125");
    r.RxTone = 1;
    r.TxTone = 1;
    r.PttId = 2;
    r.Whisper = 1;
    state.ChannelEdit.EditGroup = 2;
    state.ChannelEdit.EditRow = 5;
    FrmCHInfoEdit& window = Open();
    EXPECT_TRUE(state.ChannelEdit.ChannelEditorOpen);
    EXPECT_EQ(window.windowTitle(), "Channel Editor");
    EXPECT_EQ(window.Combo4->currentText(), "3");
    EXPECT_EQ(window.Combo1->currentText(), "5");
    EXPECT_EQ(window.Text1->text(), "435.12500");
    EXPECT_EQ(window.Text2->text(), "435.12500");
    EXPECT_EQ(window.Combo2[0]->currentText(), "67.0");
    EXPECT_EQ(window.Combo2[2]->currentText(), "High");
    EXPECT_EQ(window.Combo2[4]->currentText(), "End");
    EXPECT_EQ(window.Combo2[8]->currentText(), "Off");
    EXPECT_TRUE(window.Check1[5]->isChecked());
    EXPECT_EQ(Entries(window.Combo2[0]), 283);
    // Showing stores nothing.
    EXPECT_TRUE(prompter.Prompts.empty());
    window.close();
    EXPECT_FALSE(state.ChannelEdit.ChannelEditorOpen);
}

TEST_F(FrmCHInfoEditTest, FollowsTheChannelListAndTheChannelListFollowsItsGroup) {
    Add(5, "435");
    Add(21, "436");
    FrmCHInfoEdit& window = Open();
    // A cell entered in the channel list: row 5 of group 1.
    state.ChannelEdit.EditRow = 5;
    views.EditPositionChanged();
    EXPECT_EQ(window.Combo1->currentText(), "5");
    EXPECT_EQ(window.Text1->text(), "435.00000");

    // Group 2 chosen in the editor: the channel list shows it, the editor shows its position 5.
    window.Combo4->setFocus();
    QTest::keyClick(window.Combo4, Qt::Key_Down);
    EXPECT_THAT(views.ListGroups, ElementsAre(1));
    EXPECT_EQ(state.ChannelEdit.CurrentGroup, 1);
    EXPECT_EQ(window.Combo4->currentText(), "2");
    EXPECT_EQ(window.Text1->text(), "436.00000");

    // Another position in the editor moves the edit position, not the channel list's group.
    QTest::keyClick(window.Combo1, Qt::Key_Down);
    EXPECT_EQ(state.ChannelEdit.EditRow, 6);
    EXPECT_TRUE(window.Text1->text().isEmpty());
    EXPECT_THAT(views.ListGroups, ElementsAre(1));
}

TEST_F(FrmCHInfoEditTest, AnEmptyPositionTakesOnlyAReceiveFrequencyWhichCreatesTheChannel) {
    Add(1, "435");
    state.ChannelEdit.EditRow = 2;
    FrmCHInfoEdit& window = Open();
    EXPECT_TRUE(window.Text1->isEnabled());
    EXPECT_FALSE(window.Text2->isEnabled());
    for (QComboBox* list : window.Combo2) {
        EXPECT_FALSE(list->isEnabled()) << list->objectName().toStdString();
        EXPECT_TRUE(list->currentText().isEmpty()) << list->objectName().toStdString();
    }
    for (QCheckBox* check : window.Check1) {
        EXPECT_FALSE(check->isEnabled());
        EXPECT_FALSE(check->isChecked());
    }

    Type(window.Text1, "4x36.1");
    QTest::keyClick(window.Text1, Qt::Key_Return);
    ASSERT_NE(Channel(2), nullptr);
    EXPECT_EQ(CutFixedText(Channel(2)->RxDigits), "43610000");
    EXPECT_EQ(window.Text1->text(), "436.10000");
    EXPECT_TRUE(window.Text2->isEnabled());
    EXPECT_TRUE(window.Text2->hasFocus());
    EXPECT_EQ(window.Text2->text(), "436.10000");
    EXPECT_TRUE(window.Combo2[6]->isEnabled());
    EXPECT_EQ(window.Combo2[2]->currentText(), "High");
    EXPECT_TRUE(window.Check1[4]->isEnabled());
    EXPECT_FALSE(window.Check1[3]->isEnabled());
}

TEST_F(FrmCHInfoEditTest, OutOfBandWarnsAndShowsTheLimit) {
    Add(1, "435");
    FrmCHInfoEdit& window = Open();
    Type(window.Text1, "500");
    QTest::keyClick(window.Text1, Qt::Key_Return);
    EXPECT_THAT(prompter.Numbers(), ElementsAre(9021));
    EXPECT_EQ(window.Text1->text(), "480.00000");
}

TEST_F(FrmCHInfoEditTest, BusyLockOffersToneOnlyWhileTheChannelHasIt) {
    Add(1, "435");
    FrmCHInfoEdit& window = Open();
    QComboBox* busy = window.Combo2[6];
    EXPECT_EQ(Entries(busy), 2);
    window.Combo2[0]->setFocus();
    QTest::keyClick(window.Combo2[0], Qt::Key_Down);  // receive tone 67.0
    EXPECT_EQ(Channel(1)->RxTone, 1);
    EXPECT_EQ(window.Combo2[1]->currentText(), "67.0");  // the transmit tone followed
    EXPECT_EQ(Entries(busy), 3);
    EXPECT_EQ(busy->itemText(2), "Tone");

    busy->setFocus();
    QTest::keyClick(busy, Qt::Key_End);
    EXPECT_EQ(Channel(1)->BusyLock, 2);

    window.Combo2[0]->setFocus();
    QTest::keyClick(window.Combo2[0], Qt::Key_Home);  // receive tone off
    EXPECT_EQ(Channel(1)->RxTone, 0);
    EXPECT_EQ(Channel(1)->BusyLock, 1);
    EXPECT_EQ(Entries(busy), 2);
    EXPECT_EQ(busy->currentText(), "Carrier");
}

TEST_F(FrmCHInfoEditTest, TalkaroundEnablesItsCheckBoxAndDisablesReverse) {
    Add(1, "435");
    FrmCHInfoEdit& window = Open();
    window.Combo2[7]->setFocus();
    QTest::keyClick(window.Combo2[7], Qt::Key_Down);
    EXPECT_EQ(Channel(1)->ReverseOrTalkaround, 1);
    EXPECT_TRUE(window.Check1[3]->isEnabled());
    EXPECT_FALSE(window.Check1[4]->isEnabled());
    QTest::mouseClick(window.Check1[3], Qt::LeftButton, {}, QPoint(4, window.Check1[3]->height() / 2));
    EXPECT_EQ(Channel(1)->Talkaround, 1);
}

TEST_F(FrmCHInfoEditTest, AutoDialListsOfferTheMemoriesInUse) {
    state.Data.Functions.Dtmf.AutoDial[3].Count = 2;
    state.Data.Functions.Dtmf.AutoDial[9].Count = 5;
    Add(1, "435");
    FrmCHInfoEdit& window = Open();
    QComboBox* autoDial = window.Combo2[10];
    ASSERT_EQ(Entries(autoDial), 3);
    EXPECT_EQ(autoDial->itemText(2), "10");
    autoDial->setFocus();
    QTest::keyClick(autoDial, Qt::Key_End);
    EXPECT_EQ(Channel(1)->AutoDial2, 10);

    // The DTMF window emptied memory 10 and filled memory 1: the list follows, its entry falls to off.
    state.Data.Functions.Dtmf.AutoDial[9].Count = 0;
    state.Data.Functions.Dtmf.AutoDial[0].Count = 1;
    window.ReshowAutoDial();
    ASSERT_EQ(Entries(autoDial), 3);
    EXPECT_EQ(autoDial->itemText(1), "1");
    EXPECT_EQ(autoDial->currentText(), "Off");
    EXPECT_EQ(window.Combo2[8]->itemText(1), "1");
    EXPECT_EQ(Channel(1)->AutoDial2, 10);
}

TEST_F(FrmCHInfoEditTest, TheShiftHabitLabelsTheTransmitFieldAndTakesSigns) {
    Add(1, "435");
    FrmCHInfoEdit& window = Open();
    Type(window.Text1, "+");
    EXPECT_EQ(window.Text1->text(), "435.00000");  // the "+" was not taken; the text is selected still
    state.Habit.ShowTxAsShift = true;
    window.ReShowEditTxFre(true);
    EXPECT_EQ(window.LabelText2->text(), "TX Shift (MHz)");
    EXPECT_EQ(window.Text2->text(), "0.00000");
    Type(window.Text2, "-5");
    QTest::keyClick(window.Text2, Qt::Key_Return);
    EXPECT_EQ(window.Text2->text(), "-5.00000");
    EXPECT_EQ(Channel(1)->ShiftDirection, 1);
}

TEST_F(FrmCHInfoEditTest, ANonNumericTransmitTextIsNotStoredAndTheFieldShowsTheStoredValue) {
    Add(1, "435");
    FrmCHInfoEdit& window = Open();
    Type(window.Text2, ".");
    QTest::keyClick(window.Text2, Qt::Key_Return);
    EXPECT_EQ(window.Text2->text(), "435.00000");
    EXPECT_EQ(Channel(1)->ShiftDirection, 0);
}

TEST_F(FrmCHInfoEditTest, ATypedFrequencyIsStoredWhenTheMainWindowAsksAndWhenTheWindowCloses) {
    Add(1, "435");
    FrmCHInfoEdit& window = Open();
    Type(window.Text1, "440");
    window.CommitEdit();
    EXPECT_EQ(CutFixedText(Channel(1)->RxDigits), "44000000");
    QTest::keyClick(window.Text1, Qt::Key_Home);
    QTest::keyClick(window.Text1, Qt::Key_End, Qt::ShiftModifier);
    QTest::keyClicks(window.Text1, "441");
    window.close();
    EXPECT_EQ(CutFixedText(Channel(1)->RxDigits), "44100000");
}

}  // namespace
}  // namespace mox::test
