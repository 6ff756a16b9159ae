#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/ui/ProgramShell.h"
#include "link/LinkSettingsFile.h"
#include "link/PortMap.h"
#include "link/ui/FrmLink.h"
#include "services/SetupFile.h"
#include "support/qt/GuiFixture.h"

namespace mox::test {

namespace {

class FirstRunWindowTest : public GuiFixture {
protected:
    FirstRunWindowTest() {
        state.Link.IsFirstRun = true;
        ports = std::make_unique<PortMap>(state.Paths.SetupFile, enumerator);
    }

    std::unique_ptr<PortMap> ports;
};

TEST_F(FirstRunWindowTest, ShowsFixedEnglishCaptionsAndTheInstructions) {
    FrmLink window(state, port, time, *ports);
    EXPECT_EQ(window.windowTitle(), "Initial Setup");
    EXPECT_EQ(window.Label1->text(), "Com Port");
    EXPECT_EQ(window.CommandOK->text(), "&OK");
    EXPECT_EQ(window.CommandCancel->text(), "&Cancel");
    const QStringList lines = window.Text1->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0].toStdString(), Text(9054));
    EXPECT_TRUE(lines[1].isEmpty());
    EXPECT_EQ(lines[5].toStdString(), Text(9053));
    EXPECT_EQ(window.Combo1->currentText().toStdString(), std::string("COM1  ") + kCable);
}

TEST_F(FirstRunWindowTest, ARadioAnsweringAfterNoiseEndsTheFirstRun) {
    sim::SimConfig config;
    config.Faults.Noise = true;
    radio = std::make_unique<sim::SimRadio>(config);
    port.Attach(kCable, *radio);
    FrmLink window(state, port, time, *ports);
    window.show();

    window.CommandOK->click();
    time.RunFor(500);
    EXPECT_FALSE(state.Link.IsFirstRun);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(port.IsOpen());
    EXPECT_TRUE(prompter.Prompts.empty());
}

TEST_F(FirstRunWindowTest, FourUnansweredCallsReportACommunicationErrorAndTheWindowStays) {
    enumerator.Devices.push_back("/dev/ttyMUTE");
    port.AddSilentDevice("/dev/ttyMUTE");
    FrmLink window(state, port, time, *ports);
    window.show();
    window.Combo1->setCurrentText("COM2  /dev/ttyMUTE");
    ASSERT_EQ(window.Combo1->currentIndex(), 1);

    window.CommandOK->click();
    time.RunFor(1250);
    ASSERT_EQ(prompter.Prompts.size(), 1u);
    EXPECT_EQ(prompter.Prompts[0].Text, "Communication Error!");
    EXPECT_EQ(port.Written.size(), 4u);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(state.Link.IsFirstRun);
}

TEST_F(FirstRunWindowTest, CancelEndsTheProgramBeforeAnyWindowAndTheNextStartAsksAgain) {
    WriteSetup("IsFirstRun", "1");
    ProgramShell shell(state, {port, port, enumerator, time, dialogs, &store});
    WhenModalShows<FrmLink>([](FrmLink& window) { window.CommandCancel->click(); });

    EXPECT_FALSE(shell.Start({"en_US", {"2026-01-02", 1}}));
    EXPECT_EQ(shell.Splash(), nullptr);
    EXPECT_EQ(shell.MainWindow(), nullptr);
    EXPECT_EQ(ReadSetup("IsFirstRun"), "1");
    EXPECT_FALSE(port.IsOpen());
}

}  // namespace

}  // namespace mox::test
