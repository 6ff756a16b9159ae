#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "editors/ui/FrmKey.h"
#include "editors/ui/FrmScan.h"
#include "services/Texts.h"
#include "support/BuildPaths.h"
#include "support/qt/OpenWindows.h"

namespace mox::test {

namespace {

QStringList Entries(const QComboBox* list) {
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries << list->itemText(i);
    return entries;
}

class FrmScanTest : public ::testing::Test {
protected:
    FrmScanTest() {
        messages.Paths.ProgramFolder = SourceTree() / "dist";
        for (int number : {40, 35, 2})
            channels.Records[channels.Count++].Number = static_cast<std::int16_t>(number);
    }

    QString Text(int number) const { return QString::fromStdString(GetLanguageText(messages, number)); }

    std::unique_ptr<FrmScan> Open() {
        auto window = std::make_unique<FrmScan>(messages, settings, channels, windows);
        window->show();
        return window;
    }

    Messages messages;
    FunctionSettings settings;
    ChannelTable channels;
    OpenWindows windows;
};

TEST_F(FrmScanTest, OpeningShowsTheValuesAndWritesTheShownOnesBack) {
    settings.Scan = {1, 1, 3, 60, 6, 50, 0, 2, 5, 9, 3, 8};
    const auto window = Open();

    EXPECT_EQ(window->windowTitle(), Text(26000));
    EXPECT_EQ(window->Label1[6]->text(), Text(26005));
    EXPECT_EQ(window->Label1[3]->text(), "-");
    EXPECT_EQ(window->Check1->text(), Text(26010));
    EXPECT_TRUE(window->CommandHelp->isHidden());
    EXPECT_EQ(Entries(window->Combo1[2]), (QStringList{"1", "3"}));
    EXPECT_EQ(Entries(window->Combo1[4]), (QStringList{"1", "3"}));
    EXPECT_EQ(window->Combo1[2]->currentText(), "1");
    EXPECT_EQ(window->Combo1[3]->currentText(), "2");
    EXPECT_EQ(Entries(window->Combo1[5]), (QStringList{"3", "8"}));
    EXPECT_EQ(window->Combo1[5]->currentText(), "8");
    EXPECT_EQ(window->Combo1[6]->count(), 6);
    EXPECT_EQ(window->Combo1[6]->currentText(), Text(26032));
    EXPECT_EQ(window->Combo1[7]->currentText(), "0.5");
    EXPECT_EQ(window->Combo1[8]->currentText(), "0.6");
    EXPECT_EQ(window->Combo1[9]->currentText(), "5.0");
    EXPECT_EQ(window->Combo1[10]->currentText(), "0.1");
    EXPECT_FALSE(window->Check1->isChecked());
    EXPECT_EQ(settings.Scan, (ScanSettings{1, 1, 0, 5, 6, 50, 1, 0, 1, 2, 3, 8}));

    // Priority mode 1 uses only the first priority channel.
    EXPECT_TRUE(window->Combo1[2]->isEnabled());
    EXPECT_TRUE(window->Combo1[3]->isEnabled());
    EXPECT_FALSE(window->Combo1[4]->isEnabled());
    EXPECT_FALSE(window->Combo1[5]->isEnabled());
    EXPECT_TRUE(window->Check1->isEnabled());
}

TEST_F(FrmScanTest, TheUsersChoicesReachTheSettingsAtOnce) {
    settings.Scan.ScanMode = 1;
    const auto window = Open();

    window->Combo1[1]->setCurrentIndex(3);
    EXPECT_EQ(settings.Scan.PriorityMode, 3);
    EXPECT_EQ(window->Combo1[6]->count(), 8);
    EXPECT_TRUE(window->Combo1[5]->isEnabled());
    window->Combo1[6]->setCurrentIndex(7);
    EXPECT_EQ(settings.Scan.ReturnChannel, 7);
    window->Combo1[1]->setCurrentIndex(1);
    EXPECT_EQ(settings.Scan.ReturnChannel, 0);
    EXPECT_EQ(window->Combo1[6]->currentIndex(), 0);
    EXPECT_FALSE(window->Combo1[5]->isEnabled());

    window->Combo1[2]->setCurrentText("3");
    EXPECT_EQ(settings.Scan.Priority1Group, 3);
    EXPECT_EQ(Entries(window->Combo1[3]), (QStringList{"3", "8"}));
    EXPECT_EQ(settings.Scan.Priority1Channel, 3);
    window->Combo1[3]->setCurrentText("8");
    EXPECT_EQ(settings.Scan.Priority1Channel, 8);

    window->Combo1[8]->setFocus();
    QTest::keyClick(window->Combo1[8], Qt::Key_Down);
    EXPECT_EQ(settings.Scan.LookBackB, 6);
    window->Combo1[10]->setCurrentIndex(49);
    EXPECT_EQ(settings.Scan.TxResumeDelay, 50);
    window->Check1->click();
    EXPECT_EQ(settings.Scan.ScanEntryTone, 1);
}

// Without a scan mode the key window can no longer offer the scan function.
TEST_F(FrmScanTest, TheFirstScanModeClearsTheScanKeysAndTheKeyWindowShowsIt) {
    settings.Scan.ScanMode = 1;
    settings.Keys.Pf2Short = 8;
    FrmKey keys(messages, settings);
    windows.Open = {{"FrmKey", &keys}};
    const auto window = Open();
    EXPECT_EQ(keys.Combo1[3]->currentText(), Text(kFirstKeyFunctionText + 8));

    window->Combo1[0]->setCurrentIndex(0);
    EXPECT_EQ(settings.Scan.ScanMode, 0);
    EXPECT_EQ(settings.Keys.Pf2Short, 0);
    EXPECT_EQ(keys.Combo1[3]->currentText(), Text(kFirstKeyFunctionText));
    for (int place = 1; place <= 10; ++place)
        EXPECT_FALSE(window->Combo1[place]->isEnabled()) << place;
    EXPECT_FALSE(window->Check1->isEnabled());
    EXPECT_TRUE(window->Combo1[0]->isEnabled());
}

TEST_F(FrmScanTest, EnterMovesOnAsTab) {
    settings.Scan.ScanMode = 1;
    const auto window = Open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->activateWindow();
    window->Combo1[9]->setFocus();
    QTest::keyClick(window->Combo1[9], Qt::Key_Return);
    EXPECT_TRUE(window->Combo1[10]->hasFocus());
}

}  // namespace

}  // namespace mox::test
