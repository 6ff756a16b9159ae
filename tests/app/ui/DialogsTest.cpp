#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/ui/frmAbout.h"
#include "editors/ui/FrmRadioInfo.h"
#include "image/RadioInfoBlock.h"
#include "link/LinkSettingsFile.h"
#include "link/ui/FrmPassWord.h"
#include "link/ui/FrmSetComm.h"
#include "services/IniFile.h"
#include "services/SetupFile.h"
#include "support/qt/GuiFixture.h"

namespace mox::test {

namespace {

class DialogsTest : public GuiFixture {};

TEST_F(DialogsTest, PortOptionsFollowThePortsThatExist) {
    WriteIniString(state.Paths.SetupFile, "ports", "COM4", "/dev/ttyFOUR");
    WriteIniString(state.Paths.SetupFile, "ports", "COM5", "/dev/ttyFIVE");
    WriteIniString(state.Paths.SetupFile, "ports", "COM20", "/dev/ttyTWENTY");
    enumerator.Devices = {kCable, "/dev/ttyFOUR", "/dev/ttyTWENTY"};
    frmMain& window = Main();
    FrmSetComm dialog(state, window.Ports, &window);
    dialog.show();
    std::vector<int> enabled;
    for (int i = 0; i < kPortOptionCount; ++i) {
        if (dialog.Option1[i]->isEnabled())
            enabled.push_back(i + 1);
    }
    EXPECT_EQ(enabled, (std::vector<int>{1, 4}));
    EXPECT_TRUE(dialog.Option1[0]->isChecked());
    EXPECT_EQ(dialog.Option1[4]->text().toStdString(), Text(22002) + "5");
    // Each port's device is its option's tool tip, and the chosen one's is shown below the options.
    EXPECT_EQ(dialog.Option1[3]->toolTip().toStdString(), "COM4  /dev/ttyFOUR");
    EXPECT_EQ(dialog.Option1[4]->toolTip().toStdString(), "COM5");
    EXPECT_EQ(dialog.Label1->text().toStdString(), std::string("COM1  ") + kCable);

    enumerator.Devices.push_back("/dev/ttyFIVE");
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.Option1[4]->isEnabled(); }, 1500));
    enumerator.Devices = {"/dev/ttyFOUR"};
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog.Option1[0]->isEnabled(); }, 1500));
    EXPECT_TRUE(dialog.Option1[0]->isChecked());

    dialog.Option1[3]->click();
    EXPECT_EQ(dialog.Label1->text().toStdString(), "COM4  /dev/ttyFOUR");
    dialog.CommandOK->click();
    EXPECT_EQ(state.Link.PortNumber, 4);
    EXPECT_EQ(ReadSetup("comPort"), "4");
    EXPECT_FALSE(dialog.ReCommTimer.isActive());
}

TEST_F(DialogsTest, ThePasswordBoxIsMaskedAndTakesFourCharacters) {
    std::string password = "12";
    WhenModalShows<FrmPassWord>([this](FrmPassWord& dialog) {
        EXPECT_EQ(dialog.windowTitle().toStdString(), Text(23100));
        EXPECT_EQ(dialog.Label1->text().toStdString(), Text(23101));
        EXPECT_EQ(dialog.Text1->echoMode(), QLineEdit::Password);
        dialog.Text1->clear();
        QTest::keyClicks(dialog.Text1, "98765");
        EXPECT_EQ(dialog.Text1->displayText(), "****");
        dialog.CommandOK->click();
    });
    EXPECT_TRUE(FrmPassWord::Ask(state, password, nullptr));
    EXPECT_EQ(password, "9876");

    WhenModalShows<FrmPassWord>([](FrmPassWord& dialog) {
        dialog.Text1->setText("11");
        dialog.CommandCancel->click();
    });
    EXPECT_FALSE(FrmPassWord::Ask(state, password, nullptr));
    EXPECT_EQ(password, "9876");
}

TEST_F(DialogsTest, RadioInformationComesFromTheRadioIntoAReadOnlyWindow) {
    frmMain& window = Main();
    {
        VirtualTimeDriver drive(time);
        window.Entry("MnuLocalInfo")->trigger();
        ASSERT_TRUE(QTest::qWaitFor([&] { return window.FindWindow("FrmRadioInfo") != nullptr; }, 5000));
    }
    auto* info = qobject_cast<FrmRadioInfo*>(window.FindWindow("FrmRadioInfo"));
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->windowTitle().toStdString(), Text(21000));
    EXPECT_EQ(info->Text1[1]->text(), "RB516A0012345");
    EXPECT_EQ(info->Text1[8]->text(), "HARBOUR RADIO");
    EXPECT_TRUE(info->Text1[1]->isReadOnly());
    EXPECT_TRUE(info->CommandHelp->isHidden());
    EXPECT_EQ(info->Combo1[1]->count(), 17);
    EXPECT_EQ(info->Combo1[1]->currentText(), "400 - 480 MHz");
    EXPECT_EQ(info->Label1[7]->text().toStdString(), Text(21012));
}

TEST_F(DialogsTest, RadioInformationTextsFromTheRadioAreDecodedAsChinese) {
    state.InfoBlock.fill(0xFF);
    const std::string serial =
        "\xD6\xD0\xCE\xC4"
        "AB";  // 中文 in GB18030
    std::copy(serial.begin(), serial.end(), state.InfoBlock.begin() + 48);
    const std::string handler("LI\0\xFF", 4);
    std::copy(handler.begin(), handler.end(), state.InfoBlock.begin() + 480);
    state.Model.BandCode = 32;
    UnpackRadioInfoBlock(state.InfoBlock, state.Model, state.Info);
    FrmRadioInfo info(state);
    EXPECT_EQ(info.Text1[1]->text(), QString::fromUtf8("中文AB"));
    EXPECT_EQ(info.Text1[11]->text(), "LI");
    EXPECT_EQ(info.Combo1[1]->currentText(), "450 - 520 MHz");
}

// Today's date in the user's format may hold any character; the program wrote it, so it shows as written.
TEST_F(DialogsTest, RadioInformationDatesOfNewDataShowAsWritten) {
    const QString date = QString::fromUtf8("٢٠٢٦/١/٢");
    ResetRadioInfo(state.Info, state.Model, Today{date.toStdString(), 1});
    FrmRadioInfo info(state);
    for (int box : {2, 3, 9, 10})
        EXPECT_EQ(info.Text1[box]->text(), date) << box;
}

// Radio information while a transfer runs, or with a port that cannot be opened, starts nothing: the
// window of the last read stays open.
TEST_F(DialogsTest, RadioInformationThatCannotStartLeavesTheOpenWindow) {
    frmMain& window = Main();
    window.ShowRadioInfoWindow();
    // A write waits for the editors before it starts: the link is busy.
    window.Entry("mnuWriteToRadio")->trigger();
    window.Entry("MnuLocalInfo")->trigger();
    Settle();
    EXPECT_NE(window.FindWindow("FrmRadioInfo"), nullptr);
    EXPECT_TRUE(prompter.Prompts.empty());

    port.RefuseOpen(kCable);
    time.RunFor(100);
    window.Entry("MnuLocalInfo")->trigger();
    Settle();
    EXPECT_NE(window.FindWindow("FrmRadioInfo"), nullptr);
    EXPECT_EQ(prompter.Numbers(), (std::vector<int>{9003, 9003}));
}

TEST_F(DialogsTest, AboutShowsItsSixTexts) {
    frmAbout about(state, nullptr);
    EXPECT_EQ(about.windowTitle().toStdString(), Text(24000));
    EXPECT_EQ(about.lblTitle->text().toStdString(), Text(24001));
    EXPECT_EQ(about.lblDisclaimer->text().toStdString(), Text(24004));
    EXPECT_EQ(about.cmdOK->text().toStdString(), Text(24005));
}

}  // namespace

}  // namespace mox::test
