#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <memory>

#include "editors/ui/FrmDTMF.h"
#include "services/Texts.h"
#include "support/BuildPaths.h"
#include "support/qt/OpenWindows.h"

namespace mox::test {

namespace {

// A window that counts the refreshes of its auto-dial memory lists.
class MemoryListWindow : public QWidget {
    Q_OBJECT
public:
    int Reshown = 0;

public slots:
    void ReshowAutoDial() { ++Reshown; }
};

DtmfCode Code(std::string_view digits) {
    DtmfCode code;
    code.Count = static_cast<std::int16_t>(digits.size());
    SetFixedText(code.Digits, digits);
    return code;
}

class FrmDTMFTest : public ::testing::Test {
protected:
    FrmDTMFTest() { messages.Paths.ProgramFolder = SourceTree() / "dist"; }

    QString Text(int number) const { return QString::fromStdString(GetLanguageText(messages, number)); }

    std::unique_ptr<FrmDTMF> Open() {
        auto window = std::make_unique<FrmDTMF>(messages, settings, windows);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        return window;
    }

    Messages messages;
    DtmfSettings settings;
    OpenWindows windows;
};

TEST_F(FrmDTMFTest, OpeningShowsTheValuesAndWritesTheShownOnesBack) {
    settings.DtmfRate = 2;
    settings.FirstDigitTime = 3;
    settings.StarHashTime = 20;
    settings.GroupCode = 5;
    settings.Sidetone = 2;
    SetFixedText(settings.IdCode, "0012");
    settings.IdLength = 4;
    settings.EotCode = Code("12AB");
    settings.AutoDial[15] = Code("777");
    settings.AutoDial[15].Count = 20;
    auto window = Open();

    EXPECT_EQ(window->windowTitle(), Text(18000));
    EXPECT_EQ(window->SSTab1->count(), 3);
    EXPECT_EQ(window->SSTab1->tabText(2), Text(18004));
    EXPECT_EQ(window->Label2[5]->text(), Text(18015));
    EXPECT_EQ(window->Label4[15]->text(), "16");
    EXPECT_TRUE(window->CommandHelp->isHidden());
    EXPECT_EQ(window->Combo1[0]->currentText(), "100");
    EXPECT_EQ(window->Combo1[1]->currentText(), "0");
    EXPECT_EQ(settings.FirstDigitTime, 0);
    EXPECT_EQ(window->Combo1[3]->currentText(), "1000");
    EXPECT_EQ(window->Combo2[4]->currentText(), "*");
    EXPECT_FALSE(window->Check1->isChecked());
    EXPECT_EQ(settings.Sidetone, 2);
    EXPECT_EQ(window->Text3->text(), "0012");
    EXPECT_EQ(window->Text1[1]->text(), "12AB");
    EXPECT_EQ(window->Text2[15]->text(), "");
    EXPECT_EQ(settings.AutoDial[15].Count, 0);
}

TEST_F(FrmDTMFTest, TheUsersChoicesReachTheSettingsAtOnce) {
    auto window = Open();
    window->Combo1[0]->setCurrentIndex(9);
    EXPECT_EQ(settings.DtmfRate, 10);
    window->Combo2[1]->setCurrentIndex(2);
    EXPECT_EQ(settings.CallAlert, 2);
    window->Check1->click();
    EXPECT_EQ(settings.Sidetone, 1);

    window->Text1[2]->setFocus();
    QTest::keyClicks(window->Text1[2], "12ab*#x");
    EXPECT_EQ(window->Text1[2]->text(), "12AB*#");
    EXPECT_EQ(settings.StunCode, Code("12AB*#"));
    QTest::keyClick(window->Text1[2], Qt::Key_Backspace);
    EXPECT_EQ(settings.StunCode, Code("12AB*"));
}

TEST_F(FrmDTMFTest, PastedTextIsCleanedAndCopyPasteKeysAreSwallowed) {
    auto window = Open();
    window->Text1[0]->setFocus();
    window->Text1[0]->insert("9 9-c!");
    EXPECT_EQ(window->Text1[0]->text(), "99C");
    EXPECT_EQ(settings.BotCode, Code("99C"));
    window->Text1[0]->selectAll();
    QTest::keyClick(window->Text1[0], Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(window->Text1[0]->text(), "99C");
    QTest::keyClicks(window->Text1[0], "12345678901234567890");
    EXPECT_EQ(settings.BotCode.Count, 16);
}

TEST_F(FrmDTMFTest, TheIdCodeIsCheckedWhenTheBoxIsLeft) {
    auto window = Open();
    window->SSTab1->setCurrentIndex(1);
    window->Text3->setFocus();
    window->Text3->selectAll();
    QTest::keyClicks(window->Text3, "1a2");
    EXPECT_EQ(window->Text3->text(), "12");
    QTest::keyClick(window->Text3, Qt::Key_Return);
    EXPECT_FALSE(window->Text3->hasFocus());
    EXPECT_EQ(window->Text3->text(), "000");
    EXPECT_EQ(settings.IdLength, 3);
    EXPECT_EQ(CutFixedText(settings.IdCode), "000");

    window->Text3->setFocus();
    window->Text3->selectAll();
    QTest::keyClicks(window->Text3, "001234567899");
    EXPECT_EQ(window->Text3->text(), "0012345678");
    // A write takes the ID code typed so far.
    window->CommitEdit();
    EXPECT_EQ(settings.IdLength, 10);
    EXPECT_EQ(CutFixedText(settings.IdCode), "0012345678");
}

TEST_F(FrmDTMFTest, AChangedMemoryRefreshesTheOpenMemoryLists) {
    MemoryListWindow editor;
    MemoryListWindow alert;
    windows.Open = {{"FrmCHInfoEdit", &editor}, {"FrmAlert", &alert}};
    auto window = Open();
    EXPECT_EQ(editor.Reshown, 0);

    window->Text2[2]->setFocus();
    QTest::keyClick(window->Text2[2], Qt::Key_5);
    EXPECT_EQ(settings.AutoDial[2], Code("5"));
    EXPECT_EQ(editor.Reshown, 1);
    EXPECT_EQ(alert.Reshown, 1);
    window->Text1[3]->setText("1");
    EXPECT_EQ(editor.Reshown, 1);
}

}  // namespace

}  // namespace mox::test

#include "FrmDTMFTest.moc"
