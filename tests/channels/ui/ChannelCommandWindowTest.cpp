#include <QAction>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolBar>

#include "ChannelListFixture.h"
#include "channels/ui/FrmCHInfoEdit.h"
#include "channels/ui/FrmHabits.h"
#include "channels/ui/FrmMsgConfirm.h"

namespace mox::test {
namespace {

// A scan window that counts how often it is told to show its channel choices again.
class CountingScanWindow : public QWidget {
    Q_OBJECT
public:
    int Reshows = 0;

public slots:
    void ReshowByCh() { ++Reshows; }
};

enum class Path { ToolBar, Menu, PopUp };

struct Command {
    const char* Entry;
    const char* Button;
};

constexpr Command kCut{"MnuCHCut", "BtnCHCut"};
constexpr Command kCopy{"MnuCHCopy", "BtnCHCopy"};
constexpr Command kPaste{"MnuCHPaste", "BtnCHPaste"};
constexpr Command kInsert{"MnuCHInsert", "BtnCHInsert"};
constexpr Command kDelete{"MnuCHDelete", "BtnCHDelete"};
constexpr Command kMoveUp{"MnuCHMoveUp", "BtnCHMoveUp"};
constexpr Command kMoveDown{"MnuCHMoveDown", "BtnCHMoveDown"};

// The channel list over group 1, whose position q receives on (430 + q).125 MHz, with the program's
// own channel editor on offer.
class ChannelCommandWindowTest : public ChannelListFixture {
protected:
    void Open(bool habitsAsk = false) {
        List(false);
        for (int position = 1; position <= 16; ++position)
            SetChannelField(state, position, 1, std::to_string(430 + position) + ".125");
        if (!habitsAsk)
            state.Habit = {true, false, true, false, false};
        Click(3, 1);
    }
    // The first three digits of the receive frequency at each position of the shown group.
    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        for (int row = 1; row <= 16; ++row)
            rows.push_back(Cell(row, 1).left(3).toStdString());
        return rows;
    }
    std::string RxOf(int number) const {
        const ChannelRecord* record = FindChannel(state.Data.Channels, number);
        return record == nullptr ? "" : CutFixedText(record->RxDigits).substr(0, 3);
    }
    static std::vector<std::string> Group(std::initializer_list<int> order) {
        std::vector<std::string> rows;
        for (int former : order)
            rows.push_back(former == 0 ? "" : std::to_string(430 + former));
        return rows;
    }
    // Runs a command at the current row the way `path` reaches it and lets its timer fire.
    void Run(const Command& command, Path path) {
        switch (path) {
            case Path::ToolBar:
                QTest::mouseClick(main->tbToolBar->widgetForAction(main->ToolButton(command.Button)),
                                  Qt::LeftButton);
                break;
            case Path::Menu:
                main->Entry(command.Entry)->trigger();
                break;
            case Path::PopUp: {
                QTest::mousePress(Grid().viewport(), Qt::RightButton, {}, CellCentre(At().first, 1));
                QMenu* menu = main->Menu("MnuCHEdit");
                EXPECT_TRUE(menu->isVisible());
                QAction* entry = main->Entry(command.Entry);
                if (entry->isEnabled())
                    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
                menu->close();
                break;
            }
        }
        AwaitCommand();
    }
    // Lets the command timer fire and the command run, however slow the machine.
    void AwaitCommand() const {
        QTest::qWait(30);
        for (int waited = 0; waited < 5000 && main->TimerCHEdit.isActive(); waited += 10)
            QTest::qWait(10);
        Settle();
    }
    std::string HabitFile() const { return TempFolder::ReadFile(folder.ProgramFolder() / "Habit.ini"); }
};

TEST_F(ChannelCommandWindowTest, EachCommandActsOnAFullRowFromTheToolBarTheMenuAndThePopUp) {
    struct Case {
        Command Cmd;
        std::vector<std::string> Expected;
        int RowAfter;
    };
    const Case cases[] = {
        {kCut, Group({1, 2, 0, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}), 3},
        {kCopy, Group({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}), 3},
        {kPaste, Group({1, 2, 9, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}), 3},
        {kInsert, Group({1, 2, 0, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}), 3},
        {kDelete, Group({1, 2, 0, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}), 3},
        {kMoveUp, Group({1, 3, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}), 2},
        {kMoveDown, Group({1, 2, 4, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}), 4},
    };
    Open();
    const ChannelTable full = state.Data.Channels;
    for (Path path : {Path::ToolBar, Path::Menu, Path::PopUp}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.Cmd.Entry) + " path " + std::to_string(static_cast<int>(path)));
            state.Data.Channels = full;
            state.Clipboard = {*FindChannel(full, 9), true};
            Current().reShowAllGrid();
            Click(3, 1);
            main->UpdateChannelCommandEnabling(3);  // the data changed behind the list's back
            Run(c.Cmd, path);
            EXPECT_EQ(Rows(), c.Expected);
            EXPECT_EQ(At().first, c.RowAfter);
            EXPECT_EQ(
                CutFixedText(state.Clipboard.Record.RxDigits).substr(0, 3),
                c.Cmd.Entry == std::string_view("MnuCHCut") || c.Cmd.Entry == std::string_view("MnuCHCopy")
                    ? "433"
                    : "439");
            EXPECT_FALSE(Current().CodeMoveTopRow);
        }
    }
}

TEST_F(ChannelCommandWindowTest, AtOpeningCutAndCopyFollowTheFirstRow) {
    List(false);
    EXPECT_TRUE(main->Entry("MnuCHCopy")->isEnabled());
    EXPECT_TRUE(main->ToolButton("BtnCHCut")->isEnabled());
    EXPECT_FALSE(main->ToolButton("BtnCHPaste")->isEnabled());
}

TEST_F(ChannelCommandWindowTest, OnAnEmptyRowCutAndCopyAreOffAndTheOthersDoNoHarm) {
    Open();
    Current().ComboGroup->setCurrentIndex(2);
    Click(5, 1);
    for (const char* entry : {"MnuCHCut", "MnuCHCopy", "MnuCHPaste"})
        EXPECT_FALSE(main->Entry(entry)->isEnabled()) << entry;
    for (Path path : {Path::ToolBar, Path::Menu, Path::PopUp}) {
        for (const Command& command : {kCut, kCopy, kInsert, kDelete, kMoveUp, kMoveDown}) {
            Click(5, 1);
            Run(command, path);
            EXPECT_EQ(state.Data.Channels.Count, 16) << command.Entry;
            EXPECT_FALSE(state.Clipboard.Full) << command.Entry;
        }
    }
    Current().ComboGroup->setCurrentIndex(0);
    Click(1, 1);
    Run(kCopy, Path::ToolBar);
    EXPECT_TRUE(main->Entry("MnuCHPaste")->isEnabled());  // at once, without moving to another cell
    Current().ComboGroup->setCurrentIndex(2);
    Click(5, 1);
    Run(kPaste, Path::PopUp);
    EXPECT_EQ(RxOf(37), "431");
    EXPECT_EQ(Cell(5, 1), "431.12500");
    EXPECT_TRUE(main->Entry("MnuCHCut")->isEnabled());
}

TEST_F(ChannelCommandWindowTest, ShortcutsReachTheCommandsAndATypedFrequencyIsStoredFirst) {
    Open();
    Type("470");
    QTest::keyClick(&Box(), Qt::Key_C, Qt::ControlModifier);
    AwaitCommand();
    EXPECT_EQ(CutFixedText(state.Clipboard.Record.RxDigits), "47000000");
    EXPECT_FALSE(Box().isVisible());
    EXPECT_EQ(At(), std::make_pair(3, 1));  // hiding the text box did not move the grid on

    Click(6, 1);
    QTest::keyClick(&Box(), Qt::Key_D, Qt::ControlModifier);
    AwaitCommand();
    QTest::keyClick(&Box(), Qt::Key_D, Qt::ControlModifier);
    AwaitCommand();
    std::vector<std::string> moved = Group({1, 2, 3, 4, 5, 7, 8, 6, 9, 10, 11, 12, 13, 14, 15, 16});
    moved[2] = "470";
    EXPECT_EQ(Rows(), moved);  // the channel went along down two positions
    EXPECT_EQ(At().first, 8);
}

TEST_F(ChannelCommandWindowTest, ThePasteQuestionAnsweredYesForGoodInsertsAndIsNotAskedAgain) {
    Open(true);
    state.Clipboard = {*FindChannel(state.Data.Channels, 9), true};
    Click(5, 1);
    FrmMsgConfirm* shown = nullptr;
    WhenModalShows<FrmMsgConfirm>([&](FrmMsgConfirm& dialog) {
        shown = &dialog;
        EXPECT_EQ(dialog.windowTitle().toStdString(), Text(28000));
        EXPECT_EQ(dialog.Label1->text().toStdString(), Text(28001));
        EXPECT_EQ(dialog.Check1->text().toStdString(), Text(28003));
        EXPECT_EQ(dialog.CommandOK->text().toStdString(), Text(28004));
        EXPECT_EQ(dialog.CommandCancel->text().toStdString(), Text(28005));
        dialog.Check1->setChecked(true);
        QTest::mouseClick(dialog.CommandOK, Qt::LeftButton);
    });
    Run(kPaste, Path::Menu);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(Rows(), Group({1, 2, 3, 4, 9, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}));
    EXPECT_EQ(HabitFile(), std::string("\xFF\xFF\xFF\xFF\0\0\0\0\0\0", 10));

    Click(1, 1);
    Run(kPaste, Path::ToolBar);  // no question this time: it would hang the test
    EXPECT_EQ(RxOf(1), "439");
    EXPECT_EQ(RxOf(2), "431");
}

TEST_F(ChannelCommandWindowTest, TheDeleteQuestionAnsweredNoLeavesAGapAndItsCloseBoxChangesNothing) {
    Open(true);
    state.Habit.DeleteRemoves = true;
    WhenModalShows<FrmMsgConfirm>([&](FrmMsgConfirm& dialog) {
        EXPECT_EQ(dialog.Label1->text().toStdString(), Text(28002));
        QTest::mouseClick(dialog.CommandCancel, Qt::LeftButton);
    });
    Run(kDelete, Path::Menu);
    EXPECT_EQ(Rows(), Group({1, 2, 0, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));
    EXPECT_FALSE(state.Habit.DeleteRemoves);
    EXPECT_EQ(HabitFile(), std::string(10, '\0'));

    std::filesystem::remove(folder.ProgramFolder() / "Habit.ini");
    state.Habit.DeleteRemoves = true;
    Click(5, 1);
    WhenModalShows<FrmMsgConfirm>([](FrmMsgConfirm& dialog) { dialog.close(); });
    Run(kDelete, Path::ToolBar);
    EXPECT_EQ(Rows(), Group({1, 2, 0, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 0}));
    EXPECT_TRUE(state.Habit.DeleteRemoves);
    EXPECT_FALSE(std::filesystem::exists(folder.ProgramFolder() / "Habit.ini"));
}

TEST_F(ChannelCommandWindowTest, TheHabitsDialogShowsAndTakesTheHabitsAndRetitlesTheTransmitColumn) {
    Open();
    main->ShowOrFocusWindow("FrmCHInfoEdit");
    auto* editor = qobject_cast<FrmCHInfoEdit*>(main->FindWindow("FrmCHInfoEdit"));
    ASSERT_NE(editor, nullptr);
    WhenModalShows<FrmHabits>([&](FrmHabits& dialog) {
        EXPECT_EQ(dialog.windowTitle().toStdString(), Text(28006));
        EXPECT_EQ(dialog.CommandOK->text().toStdString(), Text(9017));
        EXPECT_EQ(dialog.CommandCancel->text().toStdString(), Text(9018));
        const bool shown[] = {true, false, true, false, false};
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(dialog.Check1[i]->text().toStdString(), Text(28007 + i));
            EXPECT_EQ(dialog.Check1[i]->isChecked(), shown[i]) << i;
        }
        dialog.Check1[0]->setChecked(false);
        dialog.Check1[4]->setChecked(true);
        QTest::mouseClick(dialog.CommandOK, Qt::LeftButton);
    });
    main->Entry("MnuCHHabits")->trigger();
    AwaitCommand();
    EXPECT_EQ(HabitFile(), std::string("\0\0\0\0\xFF\xFF\0\0\xFF\xFF", 10));
    EXPECT_TRUE(state.Habit.ShowTxAsShift);
    EXPECT_EQ(Grid().horizontalHeaderItem(2)->text().toStdString(), Text(14100));
    EXPECT_EQ(Cell(1, 2), "+8.87500");  // channel 1 of new data kept its 440 MHz
    EXPECT_EQ(editor->LabelText2->text().toStdString(), Text(15100));

    WhenModalShows<FrmHabits>([](FrmHabits& dialog) {
        dialog.Check1[4]->setChecked(false);
        QTest::mouseClick(dialog.CommandCancel, Qt::LeftButton);
    });
    main->Entry("MnuCHHabits")->trigger();
    AwaitCommand();
    EXPECT_TRUE(state.Habit.ShowTxAsShift);
    EXPECT_EQ(Grid().horizontalHeaderItem(2)->text().toStdString(), Text(14100));
}

TEST_F(ChannelCommandWindowTest, AfterEachCommandButCopyAnOpenScanWindowShowsItsChoicesAgain) {
    CountingScanWindow* scan = nullptr;
    Main([&](frmMain& m) {
        m.RegisterWindow("FrmScan", [&] {
            scan = new CountingScanWindow;
            return scan;
        });
    });
    main->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(main.get()));
    Settle();
    state.Habit = {true, false, true, false, false};
    state.Data.Functions.Scan.Priority1Group = 1;
    state.Data.Functions.Scan.Priority1Channel = 2;
    SetChannelField(state, 2, 1, "435");
    main->ShowOrFocusWindow("FrmScan");
    main->ShowOrFocusWindow("frmCommChInfo");
    ASSERT_NE(scan, nullptr);
    const int before = scan->Reshows;
    Click(2, 1);
    Run(kCopy, Path::Menu);
    EXPECT_EQ(scan->Reshows, before);
    Run(kDelete, Path::Menu);
    EXPECT_EQ(scan->Reshows, before + 1);
    EXPECT_EQ(state.Data.Functions.Scan.Priority1Channel, 1);
}

}  // namespace
}  // namespace mox::test

#include "ChannelCommandWindowTest.moc"
