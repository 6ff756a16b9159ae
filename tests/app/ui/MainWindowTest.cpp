#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

#include "app/ui/NavigationPane.h"
#include "editors/ui/FrmRadioInfo.h"
#include "image/Models.h"
#include "support/qt/GuiFixture.h"
#include "widgets/Twips.h"

namespace mox::test {

namespace {

QPoint PlaceOf(frmMain& main, const QString& name) {
    return main.FindWindow(name)->parentWidget()->pos();
}

void SendMouse(QWidget* widget, QEvent::Type type, int x) {
    QMouseEvent event(type, QPointF(x, 5), widget->mapToGlobal(QPointF(x, 5)), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

class MainWindowTest : public GuiFixture {
protected:
    // Leaves the main window without the channel list that every document opens with.
    static void CloseChannelList(frmMain& window) {
        window.CloseWindowByName("frmCommChInfo");
        EXPECT_TRUE(QTest::qWaitFor([&window] { return window.MdiArea->subWindowList().isEmpty(); }, 1000));
    }
};

TEST_F(MainWindowTest, AnOpenEditorIsFocusedWithoutCascadingANewOneCascades) {
    frmMain& window = Main([](frmMain& m) { RegisterStandIns(m, {"FrmKey", "FrmScan", "FrmAlert"}); });
    CloseChannelList(window);
    window.Entry("MnuKey")->trigger();
    window.Entry("MnuScan")->trigger();
    window.FindWindow("FrmKey")->parentWidget()->move(300, 200);
    window.FindWindow("FrmScan")->parentWidget()->move(10, 250);

    window.Entry("MnuKey")->trigger();
    EXPECT_EQ(window.ChildWindows().size(), 2);
    EXPECT_EQ(PlaceOf(window, "FrmKey"), QPoint(300, 200));
    EXPECT_EQ(PlaceOf(window, "FrmScan"), QPoint(10, 250));
    EXPECT_EQ(window.MdiArea->activeSubWindow()->widget()->objectName(), "FrmKey");

    window.Entry("MnuAlert")->trigger();
    EXPECT_EQ(window.ChildWindows().size(), 3);
    EXPECT_NE(PlaceOf(window, "FrmKey"), QPoint(300, 200));
}

TEST_F(MainWindowTest, EveryEditorEntryIsOfferedWithItsWindow) {
    frmMain& window = Main();
    for (const char* entry :
         {"mnuChannelInfo", "mnuFileNew", "mnuReadFromRadio", "MnuLocalInfo", "mnuHelpAbout", "mnuComm",
          "MnuAlert", "MnuKey", "MnuScan", "MnuCHHabits", "MnuCHCut", "MnuCHBatch"})
        EXPECT_TRUE(window.Entry(entry)->isEnabled()) << entry;
    CloseChannelList(window);
    EXPECT_FALSE(window.Menu("MnuCHEdit")->menuAction()->isVisible());
    EXPECT_FALSE(window.ToolButton("BtnCHCut")->isVisible());
    EXPECT_TRUE(window.ChildWindows().empty());

    window.ShowCHInfo(true);
    EXPECT_TRUE(window.Menu("MnuCHEdit")->menuAction()->isVisible());
    EXPECT_TRUE(window.ToolButton("BtnCHMoveDown")->isVisible());
    EXPECT_TRUE(window.ToolButton("ReadRadio")->isVisible());
}

TEST_F(MainWindowTest, TheSplitterKeepsThePaneBetween300TwipsAndTheInnerWidth) {
    frmMain& window = Main();
    window.resize(800, 600);
    Settle();
    PaneSplitter* bar = window.Picture1->CommandMove;
    const int start = window.Picture1->width();

    SendMouse(bar, QEvent::MouseButtonPress, 0);
    SendMouse(bar, QEvent::MouseMove, 40);
    EXPECT_EQ(window.Picture1->width(), start + 40);
    SendMouse(bar, QEvent::MouseMove, -(start + 40) + TwipsToPixels(300) - 2);
    EXPECT_EQ(window.Picture1->width(), start + 40);
    SendMouse(bar, QEvent::MouseMove, window.centralWidget()->width());
    EXPECT_EQ(window.Picture1->width(), start + 40);
    SendMouse(bar, QEvent::MouseButtonRelease, 0);

    SendMouse(bar, QEvent::MouseMove, -30);
    EXPECT_EQ(window.Picture1->width(), start + 40);
}

TEST_F(MainWindowTest, ThePaneClosedByItsButtonComesBackWithTreeView) {
    frmMain& window = Main();
    QAction* close = window.Picture1->Toolbar1->actions().first();
    EXPECT_EQ(close->objectName(), QString::fromUtf8("删除"));
    close->trigger();
    EXPECT_FALSE(window.Picture1->isVisible());
    EXPECT_FALSE(window.Entry("mnuTreeView")->isChecked());

    window.Entry("mnuTreeView")->trigger();
    EXPECT_TRUE(window.Picture1->isVisible());
    EXPECT_TRUE(window.Entry("mnuTreeView")->isChecked());
}

TEST_F(MainWindowTest, TheTreeHasTheTestDataNodeOnlyInFactoryTestMode) {
    frmMain& window = Main();
    QTreeWidgetItem* root = window.Picture1->TreeView1->topLevelItem(0);
    EXPECT_EQ(root->childCount(), 8);
    EXPECT_EQ(root->text(0), "MOX-5HK");
    EXPECT_FALSE(window.Entry("mnuTestData")->isVisible());

    state.FactoryTestMode = true;
    window.LoadTree();
    root = window.Picture1->TreeView1->topLevelItem(0);
    EXPECT_EQ(root->childCount(), 9);
    EXPECT_EQ(root->child(6)->data(0, Qt::UserRole).toString(), "N11");
}

TEST_F(MainWindowTest, TheCaptionShowsTheFileNamePartOfThePath) {
    frmMain& window = Main();
    EXPECT_EQ(window.windowTitle().toStdString(),
              Text(12000) + "[MOX-5HK:400 - 480 MHz][" + Text(12009) + ":new.dat]");
    state.Document.CurrentPath = "/home/dealer/data/radio.dat";
    window.ShowMainTxt();
    EXPECT_TRUE(window.windowTitle().endsWith(":radio.dat]"));
    state.Document.CurrentPath = "C:\\data\\radio.dat";
    window.ShowMainTxt();
    EXPECT_TRUE(window.windowTitle().endsWith(":radio.dat]"));
    EXPECT_EQ(window.Panels[1]->text(), "MOX-5HK[400 - 480 MHz]");
}

TEST_F(MainWindowTest, CloseAllLeavesOnlyTheMainWindowAlsoClosingModelessWindows) {
    frmMain& window = Main([](frmMain& m) { RegisterStandIns(m, {"FrmKey", "FrmScan"}); });
    window.Entry("MnuKey")->trigger();
    window.Entry("MnuScan")->trigger();
    QWidget floating;
    floating.setObjectName("FrmFloating");
    floating.show();

    window.Entry("mnuCloseAll")->trigger();
    Settle();
    EXPECT_TRUE(window.ChildWindows().empty());
    EXPECT_FALSE(floating.isVisible());
    EXPECT_TRUE(window.isVisible());
}

TEST_F(MainWindowTest, TheWindowMenuListsTheOpenChildWindows) {
    frmMain& window = Main([](frmMain& m) { RegisterStandIns(m, {"FrmKey"}); });
    window.Entry("MnuKey")->trigger();
    QMenu* menu = window.Menu("mnuWindow");
    emit menu->aboutToShow();
    EXPECT_TRUE(menu->actions().last()->text().endsWith("FrmKey"));
    EXPECT_FALSE(window.Entry("mnuWindowTileHorizontal")->isVisible());
    EXPECT_EQ(window.Entry("mnuWindowArrangeIcons")->text(), "&Arrange Icons");
}

TEST_F(MainWindowTest, ClosingWithChangedDataAndCancelKeepsRunningWithTheData) {
    frmMain& window = Main();
    state.Data.Channels.Count = 0;
    prompter.Answer(MsgAnswer::Cancel);

    EXPECT_FALSE(window.close());
    EXPECT_EQ(prompter.Numbers(), std::vector<int>{9006});
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(state.Data.Channels.Count, 0);
    EXPECT_NE(store.Read("Settings", "MainWidth", ""), "");
}

// An editor that closes, by its own Close button or by the close box of its frame, leaves no empty frame
// behind: the Window menu lists nothing, and the next opening makes one frame.
TEST_F(MainWindowTest, AClosedEditorTakesItsFrameAlong) {
    frmMain& window = Main();
    CloseChannelList(window);
    const std::function<void()> closings[] = {
        [&window] {
            auto* info = qobject_cast<FrmRadioInfo*>(window.FindWindow("FrmRadioInfo"));
            QTest::mouseClick(info->CommandClose, Qt::LeftButton);
        },
        [&window] { window.MdiArea->subWindowList().first()->close(); },
    };
    for (const auto& close : closings) {
        window.ShowRadioInfoWindow();
        ASSERT_NE(window.FindWindow("FrmRadioInfo"), nullptr);
        close();
        EXPECT_TRUE(QTest::qWaitFor([&window] { return window.MdiArea->subWindowList().isEmpty(); }, 1000));
        QMenu* menu = window.Menu("mnuWindow");
        emit menu->aboutToShow();
        EXPECT_EQ(menu->actions().last(), window.Entry("mnuWindowBar1"));
    }
    window.ShowRadioInfoWindow();
    EXPECT_EQ(window.MdiArea->subWindowList().size(), 1);
}

// The View menu alone shows and hides the bars, so its check marks always tell what is on screen.
TEST_F(MainWindowTest, TheBarsHaveNoContextMenuThatCouldHideThem) {
    frmMain& window = Main();
    EXPECT_EQ(std::unique_ptr<QMenu>(window.createPopupMenu()), nullptr);
    bool popupShown = false;
    QTimer::singleShot(50, [&popupShown] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            popupShown = true;
            popup->close();
        }
    });
    const QPoint at(5, 5);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, window.tbToolBar->mapToGlobal(at));
    QApplication::sendEvent(window.tbToolBar, &event);
    QTest::qWait(100);
    EXPECT_FALSE(popupShown);
    EXPECT_TRUE(window.tbToolBar->isVisible());
    EXPECT_TRUE(window.Entry("mnuViewToolbar")->isChecked());
}

// At its smallest the main window still shows every status panel whole.
TEST_F(MainWindowTest, TheSmallestMainWindowShowsTheStatusPanelsWhole) {
    state.Model.ModelCode = "RB516G";
    SetBandLimits(state.Model, "136 - 174 MHz");
    frmMain& window = Main();
    window.resize(1, 1);
    Settle();
    ASSERT_LE(window.width(), 800);
    for (std::size_t i = 1; i < window.Panels.size(); ++i)
        EXPECT_GE(window.Panels[i]->width(), window.Panels[i]->sizeHint().width())
            << window.Panels[i]->text().toStdString();
}

}  // namespace

}  // namespace mox::test
