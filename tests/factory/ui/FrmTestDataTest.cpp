#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>

#include "app/ui/NavigationPane.h"
#include "factory/ui/FrmTestData.h"
#include "support/qt/GuiFixture.h"

namespace mox::test {

namespace {

class FrmTestDataTest : public GuiFixture {
protected:
    std::string PathOf(const char* name) const { return (folder.Root() / name).string(); }

    std::unique_ptr<FrmTestData> Open() {
        auto dialog = std::make_unique<FrmTestData>(state, dialogs);
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        dialog->activateWindow();
        return dialog;
    }
    void Type(QLineEdit* box, const char* keys) {
        box->setFocus();
        QTest::keyClicks(box, keys);
    }
};

TEST_F(FrmTestDataTest, EachLanguageHasItsOwnFixedCaptions) {
    state.WorkingTestData[10] = 77;
    auto dialog = Open();
    EXPECT_EQ(dialog->windowTitle(), "Test Data");
    EXPECT_EQ(dialog->CommandLoad->text(), "&Load");
    EXPECT_EQ(dialog->CommandSave->text(), "&Save");
    EXPECT_EQ(dialog->CommandOK->text().toStdString(), Text(9017));
    EXPECT_EQ(dialog->CommandCancel->text().toStdString(), Text(9018));
    EXPECT_EQ(dialog->Label1[4]->text(), "发射音频频偏");
    EXPECT_EQ(dialog->Text1[10]->text(), "77");

    state.Language.CurrentLanguage = kChinese;
    dialog = Open();
    EXPECT_EQ(dialog->windowTitle(), "测试数据");
    EXPECT_EQ(dialog->CommandLoad->text(), "加载(&L)");
    EXPECT_EQ(dialog->CommandSave->text(), "保存(&S)");
    dialog->CommandSave->click();
    EXPECT_EQ(dialogs.Filters.back(), "测试数据文件 (*.ted)|*.ted");
}

TEST_F(FrmTestDataTest, BoxesHoldNumbersFrom0To255AndOkTakesThem) {
    state.WorkingTestData.fill(9);
    auto dialog = Open();
    QLineEdit* box = dialog->Text1[0];
    box->selectAll();
    Type(box, "300");
    EXPECT_EQ(box->text(), "255");
    box->clear();
    EXPECT_EQ(box->text(), "0");
    box->selectAll();
    Type(box, "0a7");
    EXPECT_EQ(box->text(), "7");
    // Enter moves on, and entering a box selects its text, so typing replaces it.
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_TRUE(dialog->Text1[1]->hasFocus());
    EXPECT_EQ(dialog->Text1[1]->selectedText(), "9");
    QTest::keyClicks(dialog->Text1[1], "x-");
    EXPECT_EQ(dialog->Text1[1]->text(), "9");

    dialog->Text1[1]->setText("12");
    EXPECT_EQ(state.WorkingTestData[0], 9);  // nothing before OK
    dialog->CommandOK->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    TestData expected;
    expected.fill(9);
    expected[0] = 7;
    expected[1] = 12;
    EXPECT_EQ(state.WorkingTestData, expected);

    dialog = Open();
    dialog->Text1[2]->setText("1");
    dialog->CommandCancel->click();
    EXPECT_EQ(state.WorkingTestData, expected);
}

TEST_F(FrmTestDataTest, SaveProposesTheTedNameAndLoadShowsAFile) {
    state.Document.CurrentPath = PathOf("abc.dat");
    auto dialog = Open();
    dialog->Text1[3]->setText("200");
    dialogs.Answer(PathOf("abc.ted"));
    dialog->CommandSave->click();
    EXPECT_EQ(dialogs.Filters.back(), "Test Data File (*.ted)|*.ted");
    EXPECT_EQ(TempFolder::ReadFile(PathOf("abc.ted")), std::string(3, '\0') + "\xC8" + std::string(12, '\0'));

    TempFolder::WriteFile(PathOf("line.ted"), std::string(16, '\x2A'));
    dialogs.Answer(PathOf("line.ted"));
    dialog->CommandLoad->click();
    EXPECT_EQ(dialog->Text1[3]->text(), "42");
    dialog->CommandOK->click();
    EXPECT_EQ(state.WorkingTestData[15], 42);
    EXPECT_EQ(dialogs.OpenDialogs, 1);
    EXPECT_EQ(dialogs.SaveDialogs, 1);
}

TEST_F(FrmTestDataTest, TheMenuAndTheTreeOpenTheDialogInFactoryTestMode) {
    state.FactoryTestMode = true;
    frmMain& window = Main();
    int shown = 0;
    const auto closeIt = [&shown](FrmTestData& dialog) {
        ++shown;
        dialog.reject();
    };
    WhenModalShows<FrmTestData>(closeIt);
    window.Entry("mnuTestData")->trigger();
    EXPECT_EQ(shown, 1);

    QTreeWidget* tree = window.Picture1->TreeView1;
    QTreeWidgetItem* root = tree->topLevelItem(0);
    for (int i = 0; i < root->childCount(); ++i) {
        if (root->child(i)->data(0, Qt::UserRole).toString() == "N11") {
            WhenModalShows<FrmTestData>(closeIt);
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                              tree->visualItemRect(root->child(i)).center());
        }
    }
    EXPECT_EQ(shown, 2);
}

// In factory test mode the test data travel with the data file: Save writes abc.ted beside abc.dat and
// Open brings them back.
TEST_F(FrmTestDataTest, SaveAndOpenCarryTheTestDataFile) {
    state.FactoryTestMode = true;
    frmMain& window = Main();
    WhenModalShows<FrmTestData>([](FrmTestData& dialog) {
        dialog.Text1[5]->setText("123");
        dialog.CommandOK->click();
    });
    window.Entry("mnuTestData")->trigger();
    dialogs.Answer(PathOf("abc.dat"));
    window.Entry("mnuFileSaveAs")->trigger();
    EXPECT_EQ(TempFolder::ReadFile(PathOf("abc.ted")), std::string(5, '\0') + "{" + std::string(10, '\0'));

    state.WorkingTestData = {};
    state.SavedTestData = {};
    dialogs.Answer(PathOf("abc.dat"));
    window.Entry("mnuFileOpen")->trigger();
    EXPECT_EQ(state.WorkingTestData[5], 123);
    EXPECT_EQ(state.SavedTestData[5], 123);
}

}  // namespace

}  // namespace mox::test
