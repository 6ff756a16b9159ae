#include <QAction>
#include <QComboBox>
#include <QTest>
#include <QTreeWidget>
#include <algorithm>

#include "app/ChannelFieldCommand.h"
#include "app/ui/NavigationPane.h"
#include "editors/ui/FrmAlert.h"
#include "editors/ui/FrmDTMF.h"
#include "editors/ui/FrmKey.h"
#include "editors/ui/FrmOptFeatures.h"
#include "editors/ui/FrmScan.h"
#include "support/qt/GuiFixture.h"

namespace mox::test {

namespace {

// The function editors as the main window offers them: from the Edit menu and from the tree, once each,
// closed when the language changes.
class FunctionEditorsTest : public GuiFixture {
protected:
    void ClickNode(frmMain& window, const QString& key) {
        QTreeWidget* tree = window.Picture1->TreeView1;
        QTreeWidgetItem* root = tree->topLevelItem(0);
        for (int i = 0; i < root->childCount(); ++i) {
            if (root->child(i)->data(0, Qt::UserRole).toString() == key) {
                const QRect place = tree->visualItemRect(root->child(i));
                QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, place.center());
                return;
            }
        }
        ADD_FAILURE() << "no tree node " << key.toStdString();
    }

    int CountOpen(const QString& name) const {
        const auto names = OpenWindowNames();
        return static_cast<int>(std::count(names.begin(), names.end(), name));
    }
};

struct EditorPlace {
    const char* Entry;
    const char* Node;
    const char* Window;
};

constexpr EditorPlace kEditors[] = {
    {"mnuOptFeature", "N2", "FrmOptFeatures"},
    {"MnuDTMF", "N4", "FrmDTMF"},
    {"mnuEmbeddedMsg", "N6", "FrmEmbMsg"},
    {"MnuKey", "N8", "FrmKey"},
    {"MnuScan", "N9", "FrmScan"},
    {"MnuAlert", "N10", "FrmAlert"},
};

TEST_F(FunctionEditorsTest, EachEditorOpensOnceFromTheMenuAndFromTheTree) {
    frmMain& window = Main();
    for (const EditorPlace& editor : kEditors) {
        EXPECT_TRUE(window.Entry(editor.Entry)->isEnabled()) << editor.Entry;
        window.Entry(editor.Entry)->trigger();
        EXPECT_EQ(CountOpen(editor.Window), 1) << editor.Window;
        ClickNode(window, editor.Node);
        EXPECT_EQ(CountOpen(editor.Window), 1) << editor.Window;
        window.CloseWindowByName(editor.Window);
        Settle();
        EXPECT_EQ(CountOpen(editor.Window), 0) << editor.Window;
        ClickNode(window, editor.Node);
        EXPECT_EQ(CountOpen(editor.Window), 1) << editor.Window;
    }
}

TEST_F(FunctionEditorsTest, ALanguageChangeClosesTheEditors) {
    frmMain& window = Main();
    for (const EditorPlace& editor : kEditors)
        window.Entry(editor.Entry)->trigger();
    state.Language.CurrentLanguage = kChinese;
    window.TakeLanguageChange();
    Settle();
    for (const EditorPlace& editor : kEditors)
        EXPECT_EQ(CountOpen(editor.Window), 0) << editor.Window;
}

// The window edits the working data of the document the main window holds.
TEST_F(FunctionEditorsTest, TheOptionalFeaturesEditTheWorkingData) {
    frmMain& window = Main();
    state.Data.Functions.Options.TimeOutTimer = 300;
    window.Entry("mnuOptFeature")->trigger();
    auto* options = qobject_cast<FrmOptFeatures*>(window.FindWindow("FrmOptFeatures"));
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(state.Data.Functions.Options.TimeOutTimer, 0);
    options->Combo1[4]->setCurrentIndex(2);
    EXPECT_EQ(state.Data.Functions.Options.TimeOutTimer, 30);
}

// The ID code is checked when its box is left; a write started from the menu takes what was typed.
TEST_F(FunctionEditorsTest, AWriteTakesTheIdCodeBeingTyped) {
    frmMain& window = Main();
    window.Entry("MnuDTMF")->trigger();
    auto* dtmf = qobject_cast<FrmDTMF*>(window.FindWindow("FrmDTMF"));
    ASSERT_NE(dtmf, nullptr);
    dtmf->Text3->setText("12345");
    window.Entry("mnuWriteToRadio")->trigger();
    EXPECT_EQ(state.Data.Functions.Dtmf.IdLength, 5);
    EXPECT_EQ(CutFixedText(state.Data.Functions.Dtmf.IdCode), "12345");
    time.RunFor(200);
}

// Channels made or removed in the channel store reach the open alert window's group and position lists.
TEST_F(FunctionEditorsTest, TheAlertWindowFollowsChannelChanges) {
    frmMain& window = Main();
    window.Entry("MnuAlert")->trigger();
    auto* alert = qobject_cast<FrmAlert*>(window.FindWindow("FrmAlert"));
    ASSERT_NE(alert, nullptr);
    QComboBox* groups = alert->Combo1[7];
    ASSERT_EQ(groups->count(), 1);

    SetChannelField(state, 50, 1, "435.125");
    ASSERT_EQ(groups->count(), 2);
    EXPECT_EQ(groups->itemText(1), "4");
    groups->setCurrentIndex(1);
    EXPECT_EQ(state.Data.Functions.Alert.EmergencyGroup, 4);
    EXPECT_EQ(state.Data.Functions.Alert.EmergencyChannel, 2);

    SetChannelField(state, 50, 1, "");
    EXPECT_EQ(groups->count(), 1);
    EXPECT_EQ(groups->currentText(), groups->itemText(0));
    EXPECT_EQ(state.Data.Functions.Alert.EmergencyGroup, groups->itemText(0).toInt());
}

// The scan window finds the open key window through the main window.
TEST_F(FunctionEditorsTest, TheScanModeReachesAnOpenKeyWindow) {
    frmMain& window = Main();
    state.Data.Functions.Scan.ScanMode = 1;
    state.Data.Functions.Keys.Pf1Long = 8;
    window.Entry("MnuKey")->trigger();
    window.Entry("MnuScan")->trigger();
    auto* keys = qobject_cast<FrmKey*>(window.FindWindow("FrmKey"));
    auto* scan = qobject_cast<FrmScan*>(window.FindWindow("FrmScan"));
    ASSERT_NE(keys, nullptr);
    ASSERT_NE(scan, nullptr);
    EXPECT_EQ(keys->Combo1[0]->currentIndex(), 8);
    scan->Combo1[0]->setCurrentIndex(0);
    EXPECT_EQ(state.Data.Functions.Keys.Pf1Long, 0);
    EXPECT_EQ(keys->Combo1[0]->currentIndex(), 0);
}

// Deleting the last channel of the priority channel's group takes the group off the open scan window.
TEST_F(FunctionEditorsTest, TheScanWindowFollowsADeletedChannel) {
    frmMain& window = Main();
    ChannelTable& channels = state.Data.Channels;
    ASSERT_GE(channels.Count, 1);
    channels.Records[0].Number = 3;
    channels.Records[1] = channels.Records[0];
    channels.Records[1].Number = 20;
    channels.Count = 2;
    state.Data.Functions.Scan = {1, 3, 0, 5, 5, 1, 1, 0, 2, 4, 2, 4};
    window.Entry("MnuScan")->trigger();
    auto* scan = qobject_cast<FrmScan*>(window.FindWindow("FrmScan"));
    ASSERT_NE(scan, nullptr);
    EXPECT_EQ(scan->Combo1[2]->count(), 2);
    EXPECT_EQ(scan->Combo1[4]->currentText(), "2");

    SetChannelField(state, 20, 1, "");
    ASSERT_EQ(channels.Count, 1);
    EXPECT_EQ(scan->Combo1[2]->count(), 1);
    EXPECT_EQ(scan->Combo1[4]->count(), 1);
    EXPECT_EQ(scan->Combo1[2]->currentText(), "1");
    EXPECT_EQ(scan->Combo1[5]->currentText(), "3");
    EXPECT_EQ(state.Data.Functions.Scan.Priority1Group, 1);
    EXPECT_EQ(state.Data.Functions.Scan.Priority2Channel, 3);
}

}  // namespace

}  // namespace mox::test
