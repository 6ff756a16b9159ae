#include <QAction>
#include <QLabel>
#include <QProgressBar>

#include "link/SettingsSearch.h"
#include "link/ui/FrmProgress.h"
#include "support/qt/GuiFixture.h"

namespace mox::test {

namespace {

class ProgressWindowTest : public GuiFixture {
protected:
    // Reads the radio through the menu with the progress window on screen; records what it showed.
    void Read() {
        std::unique_ptr<VirtualTimeDriver> drive;
        WhenModalShows<FrmProgress>([this, &drive](FrmProgress& window) {
            caption = window.windowTitle().toStdString();
            label = window.Label1->text().toStdString();
            percentText = window.Label2->text();
            QObject::connect(window.ProgressBar1, &QProgressBar::valueChanged,
                             [this](int value) { percents.push_back(value); });
            drive = std::make_unique<VirtualTimeDriver>(time);
        });
        main->Entry("mnuReadFromRadio")->trigger();
        drive.reset();
        time.RunFor(600);
        Settle();
    }

    std::string caption;
    std::string label;
    QString percentText;
    std::vector<int> percents;
};

TEST_F(ProgressWindowTest, AFullReadShowsItsProgressAndEndsWithTheReadData) {
    Main();
    prompter.Answer(MsgAnswer::Ok);

    Read();

    EXPECT_EQ(caption, Text(9027));
    EXPECT_EQ(label, Text(9029));
    EXPECT_EQ(percentText, "0%");
    ASSERT_FALSE(percents.empty());
    // The last block starts at 2816 and the last address is 2831, so the bar stops at 99.
    EXPECT_EQ(percents.back(), 99);
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
    EXPECT_EQ(prompter.Numbers(), (std::vector<int>{9004, 9009}));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_GT(state.Data.Channels.Count, 1);
    EXPECT_TRUE(main->windowTitle().endsWith(":new.dat]"));
    EXPECT_FALSE(port.IsOpen());
}

TEST_F(ProgressWindowTest, AFailedReadClosesTheWindowAndLeavesTheData) {
    sim::SimConfig config;
    config.Faults.BadChecksumAddresses = {320};
    radio = std::make_unique<sim::SimRadio>(config);
    port.Attach(kCable, *radio);
    Main();
    const RadioData before = state.Data;
    prompter.Answer(MsgAnswer::Ok);
    prompter.Answer(MsgAnswer::Cancel);

    Read();

    EXPECT_EQ(prompter.Numbers(), (std::vector<int>{9004, 9008}));
    EXPECT_EQ(caption, Text(9027));
    ASSERT_FALSE(percents.empty());
    EXPECT_LT(percents.back(), 100);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(state.Data == before);
    EXPECT_FALSE(port.IsOpen());
}

// The settings search puts its long caption on the window while the window is open.
TEST_F(ProgressWindowTest, TheWindowFitsTheLongCaptionOfTheSettingsSearch) {
    for (int language : {kEnglish, kChinese}) {
        FrmProgress window(state, QString::fromStdString(Text(9027)), nullptr);
        window.show();
        const QString search = QString::fromStdString(SearchCaption(language));
        window.SetCaption(search);
        EXPECT_EQ(window.windowTitle(), search);
        EXPECT_GE(window.width(), LeastTitleBarWidth(search)) << language;
    }
}

}  // namespace

}  // namespace mox::test
