#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "editors/ui/FrmAlert.h"
#include "editors/ui/FrmDTMF.h"
#include "image/ChannelTable.h"
#include "services/FixedText.h"
#include "services/Texts.h"
#include "support/BuildPaths.h"
#include "support/qt/OpenWindows.h"

namespace mox::test {

namespace {

constexpr int kAlarmType = 0;
constexpr int kIdType = 1;
constexpr int kIdMemory = 2;
constexpr int kAlarmTime = 3;
constexpr int kTxTime = 4;
constexpr int kChannelSelect = 6;
constexpr int kGroup = 7;
constexpr int kPosition = 8;
constexpr int kCycle = 9;
constexpr int kMode = 10;

QStringList Items(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

class FrmAlertTest : public ::testing::Test {
protected:
    FrmAlertTest() { messages.Paths.ProgramFolder = SourceTree() / "dist"; }

    QString Text(int number) const { return QString::fromStdString(GetLanguageText(messages, number)); }

    std::unique_ptr<FrmAlert> Open() {
        auto window = std::make_unique<FrmAlert>(messages, radio);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return window;
    }
    void FillMemories(std::initializer_list<int> memories) {
        for (int memory : memories) {
            radio.Data.Functions.Dtmf.AutoDial[memory - 1].Count = 2;
            SetFixedText(radio.Data.Functions.Dtmf.AutoDial[memory - 1].Digits, "12");
        }
    }
    void AddChannels(std::initializer_list<int> numbers) {
        for (int number : numbers)
            AppendDefaultChannel(radio.Data.Channels, radio.Model, number, "435");
    }

    Messages messages;
    RadioRecords radio;
    AlertSettings& alert = radio.Data.Functions.Alert;
};

TEST_F(FrmAlertTest, OpeningShowsTheValuesAndWritesTheShownOnesBack) {
    FillMemories({2, 5});
    AddChannels({3, 35});
    alert.EmergencyAlarm = 1;
    alert.EmergencyIdType = 1;
    alert.EmergencyIdMemory = 3;
    alert.AlarmTime = 0;
    alert.AlarmTxTime = 10;
    alert.EmergencyGroup = 3;
    alert.EmergencyChannel = 9;
    auto window = Open();

    EXPECT_EQ(window->windowTitle(), Text(27000));
    EXPECT_EQ(window->Label1[kMode]->text(), Text(27011));
    EXPECT_TRUE(window->CommandHelp->isHidden());
    EXPECT_EQ(window->CommandClose->text(), Text(9023));
    EXPECT_EQ(window->Combo1[kAlarmType]->currentText(), Text(27031));
    EXPECT_EQ(Items(window->Combo1[kIdMemory]), (QStringList{"M2", "M5"}));
    EXPECT_EQ(window->Combo1[kIdMemory]->currentText(), "M2");
    EXPECT_EQ(alert.EmergencyIdMemory, 2);
    EXPECT_EQ(window->Combo1[kAlarmTime]->currentText(), "1");
    EXPECT_EQ(alert.AlarmTime, 1);
    EXPECT_EQ(window->Combo1[kTxTime]->currentText(), "10");
    EXPECT_EQ(Items(window->Combo1[kGroup]), (QStringList{"1", "3"}));
    EXPECT_EQ(window->Combo1[kGroup]->currentText(), "3");
    EXPECT_EQ(window->Combo1[kPosition]->currentText(), "3");
    EXPECT_EQ(alert.EmergencyChannel, 3);
    EXPECT_EQ(window->Combo1[kCycle]->currentText(), Text(27036));
    EXPECT_EQ(window->Combo1[kMode]->currentText(), Text(26031));
    // A remote alarm sends an ID and has transmit and receive times, but no alarm time of its own.
    EXPECT_FALSE(window->Combo1[kAlarmTime]->isEnabled());
    EXPECT_TRUE(window->Combo1[kIdMemory]->isEnabled());
}

TEST_F(FrmAlertTest, TheUsersChoicesReachTheSettingsWithTheirRules) {
    FillMemories({4});
    AddChannels({1, 2, 20});
    auto window = Open();

    window->Combo1[kAlarmType]->setCurrentIndex(3);
    EXPECT_EQ(alert.EmergencyAlarm, 3);
    EXPECT_TRUE(window->Combo1[kIdType]->isEnabled());
    window->Combo1[kIdType]->setCurrentIndex(1);
    EXPECT_EQ(alert.EmergencyIdType, 1);
    EXPECT_EQ(window->Combo1[kIdMemory]->currentText(), "M4");
    EXPECT_EQ(alert.EmergencyIdMemory, 4);
    window->Combo1[kTxTime]->setCurrentIndex(254);
    EXPECT_EQ(alert.AlarmTxTime, 255);

    window->Combo1[kGroup]->setCurrentIndex(1);
    EXPECT_EQ(alert.EmergencyGroup, 2);
    EXPECT_EQ(Items(window->Combo1[kPosition]), (QStringList{"4"}));
    EXPECT_EQ(alert.EmergencyChannel, 4);
    window->Combo1[kGroup]->setCurrentIndex(0);
    window->Combo1[kPosition]->setCurrentIndex(1);
    EXPECT_EQ(alert.EmergencyChannel, 2);
    window->Combo1[kChannelSelect]->setCurrentIndex(1);
    EXPECT_FALSE(window->Combo1[kGroup]->isEnabled());
    EXPECT_EQ(alert.EmergencyChannel, 2);

    window->Combo1[kCycle]->setCurrentIndex(5);
    EXPECT_EQ(alert.AlarmCycle, 5);
    window->Combo1[kMode]->setCurrentIndex(0);
    EXPECT_EQ(radio.Companion.AlarmMode, 0);
    for (int list = 0; list < kMode; ++list)
        EXPECT_FALSE(window->Combo1[list]->isEnabled()) << list;
}

// Enter moves on as Tab does.
TEST_F(FrmAlertTest, EnterMovesToTheNextList) {
    auto window = Open();
    window->activateWindow();
    window->Combo1[kAlarmType]->setFocus();
    QTest::keyClick(window->Combo1[kAlarmType], Qt::Key_Return);
    EXPECT_FALSE(window->Combo1[kAlarmType]->hasFocus());
    EXPECT_EQ(alert.EmergencyAlarm, 0);
}

TEST_F(FrmAlertTest, ClearingTheShownDtmfMemoryShowsTheFirstRemainingOne) {
    FillMemories({2, 3, 5});
    alert.EmergencyAlarm = 1;
    alert.EmergencyIdType = 1;
    alert.EmergencyIdMemory = 3;
    OpenWindows windows;
    auto alertWindow = Open();
    FrmDTMF dtmf(messages, radio.Data.Functions.Dtmf, windows);
    windows.Open["FrmAlert"] = alertWindow.get();
    EXPECT_EQ(alertWindow->Combo1[kIdMemory]->currentText(), "M3");

    dtmf.Text2[2]->clear();
    EXPECT_EQ(Items(alertWindow->Combo1[kIdMemory]), (QStringList{"M2", "M5"}));
    EXPECT_EQ(alertWindow->Combo1[kIdMemory]->currentText(), "M2");
    EXPECT_EQ(alert.EmergencyIdMemory, 2);

    // A memory filled elsewhere joins the list; the shown one stays.
    dtmf.Text2[0]->setText("9");
    EXPECT_EQ(Items(alertWindow->Combo1[kIdMemory]), (QStringList{"M1", "M2", "M5"}));
    EXPECT_EQ(alertWindow->Combo1[kIdMemory]->currentText(), "M2");
    EXPECT_EQ(alert.EmergencyIdMemory, 2);
}

}  // namespace
}  // namespace mox::test
