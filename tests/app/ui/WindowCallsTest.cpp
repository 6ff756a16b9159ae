#include <QAction>

#include "support/qt/GuiFixture.h"

namespace mox::test {

namespace {

// An editor that records the calls the main window makes on it.
class RecordingEditor : public QWidget {
    Q_OBJECT
public:
    std::vector<std::string> Calls;

public slots:
    void CommitEdit() { Calls.push_back("CommitEdit"); }
    void reShowGrid(int row) { Calls.push_back("reShowGrid " + std::to_string(row)); }
    void SetGridEditData(bool refresh) { Calls.push_back(refresh ? "SetGridEditData true" : "false"); }
    void ReshowByCh() { Calls.push_back("ReshowByCh"); }
    void ChangeGroup() { Calls.push_back("ChangeGroup"); }
};

class WindowCallsTest : public GuiFixture {
protected:
    frmMain& MainWithRecorders() {
        return Main([this](frmMain& m) {
            for (const char* name : {"frmCommChInfo", "FrmCHInfoEdit", "FrmScan", "FrmAlert", "FrmDTMF"}) {
                m.RegisterWindow(name, [this, name] {
                    auto* editor = new RecordingEditor;
                    editors[name] = editor;
                    return editor;
                });
            }
        });
    }

    std::vector<std::string> CallsOf(const char* name) { return editors.at(name)->Calls; }

    std::map<std::string, RecordingEditor*> editors;
};

TEST_F(WindowCallsTest, ChannelChangesReachOnlyTheOpenWindowsConcerned) {
    frmMain& window = MainWithRecorders();
    window.ShowOrFocusWindow("FrmCHInfoEdit");
    window.ShowOrFocusWindow("FrmScan");

    state.Redraw->ChannelChanged(17);
    state.Redraw->ChannelReferencesChanged();

    EXPECT_EQ(CallsOf("frmCommChInfo"), std::vector<std::string>{"reShowGrid 17"});
    EXPECT_EQ(CallsOf("FrmCHInfoEdit"), std::vector<std::string>{"SetGridEditData true"});
    EXPECT_EQ(CallsOf("FrmScan"), std::vector<std::string>{"ReshowByCh"});
    EXPECT_EQ(editors.count("FrmAlert"), 0u);
}

TEST_F(WindowCallsTest, TheChannelListAndTheChannelEditorFollowEachOther) {
    frmMain& window = MainWithRecorders();
    state.Redraw->EditPositionChanged();
    EXPECT_EQ(editors.count("FrmCHInfoEdit"), 0u);

    window.ShowOrFocusWindow("FrmCHInfoEdit");
    state.Redraw->EditPositionChanged();
    state.Redraw->EditGroupChanged();
    EXPECT_EQ(CallsOf("FrmCHInfoEdit"), std::vector<std::string>{"SetGridEditData true"});
    EXPECT_EQ(CallsOf("frmCommChInfo"), std::vector<std::string>{"ChangeGroup"});
}

TEST_F(WindowCallsTest, AReadCommitsTheChannelListAndAWriteEveryEditor) {
    frmMain& window = MainWithRecorders();
    window.ShowOrFocusWindow("FrmDTMF");
    window.Entry("mnuReadFromRadio")->trigger();
    EXPECT_EQ(CallsOf("frmCommChInfo"), std::vector<std::string>{"CommitEdit"});
    EXPECT_TRUE(CallsOf("FrmDTMF").empty());

    window.Entry("mnuWriteToRadio")->trigger();
    EXPECT_EQ(CallsOf("frmCommChInfo").size(), 2u);
    EXPECT_EQ(CallsOf("FrmDTMF"), std::vector<std::string>{"CommitEdit"});
    time.RunFor(200);
}

}  // namespace

}  // namespace mox::test

#include "WindowCallsTest.moc"
