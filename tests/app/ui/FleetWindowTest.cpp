#include <QAction>
#include <QCheckBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>

#include "link/ui/FrmFleet.h"
#include "support/qt/GuiFixture.h"

namespace mox::test {
namespace {

constexpr const char* kSecondCable = "/dev/ttySIM1";
constexpr const char* kThirdCable = "/dev/ttySIM2";

// The main window with three cables: the usual radio, a second one of the same kind, and one of
// another band; each radio written at once gets a port object of its own.
class FleetWindowTest : public GuiFixture {
protected:
    FleetWindowTest() {
        sim::SimConfig otherBand;
        otherBand.BandCode = 8;
        second = std::make_unique<sim::SimRadio>();
        third = std::make_unique<sim::SimRadio>(otherBand);
        enumerator.Devices = {kCable, kSecondCable, kThirdCable};
        makePort = [this] {
            auto made = std::make_unique<SimRadioPort>(time);
            made->Attach(kCable, *radio);
            made->Attach(kSecondCable, *second);
            made->Attach(kThirdCable, *third);
            return made;
        };
    }

    FrmFleet& OpenFleet() {
        Main().Entry("mnuFleetWrite")->trigger();
        fleet = main->findChild<FrmFleet*>();
        EXPECT_NE(fleet, nullptr);
        return *fleet;
    }
    QString Cell(int row, int column) const {
        const QTableWidgetItem* item = fleet->RadioRows->item(row, column);
        return item == nullptr ? QString() : item->text();
    }
    QProgressBar* Bar(int row) const {
        return static_cast<QProgressBar*>(fleet->RadioRows->cellWidget(row, 4));
    }
    int RowOf(const QString& port) const {
        for (int row = 0; row < fleet->RadioRows->rowCount(); ++row) {
            if (Cell(row, 0) == port)
                return row;
        }
        return -1;
    }

    std::unique_ptr<sim::SimRadio> second;
    std::unique_ptr<sim::SimRadio> third;
    FrmFleet* fleet = nullptr;
};

TEST_F(FleetWindowTest, WritesTheCheckedPortsWithARowEachAndLocksTheDocumentMeanwhile) {
    FrmFleet& window = OpenFleet();
    ASSERT_EQ(window.PortChecks.size(), 3u);
    EXPECT_TRUE(window.PortChecks[1]->text().contains(kSecondCable));
    window.PortChecks[1]->setChecked(true);
    window.PortChecks[2]->setChecked(true);
    prompter.Answer(MsgAnswer::Ok);
    window.CommandStart->click();

    EXPECT_TRUE(window.IsRunning());
    EXPECT_FALSE(window.CommandStart->isEnabled());
    EXPECT_TRUE(window.CommandStop->isEnabled());
    // Viewing and saving stay; editing, reading and writing wait; the channel list takes no input.
    EXPECT_TRUE(state.Document.Locked);
    EXPECT_FALSE(main->Entry("mnuWriteToRadio")->isEnabled());
    EXPECT_FALSE(main->Entry("MnuCHBatch")->isEnabled());
    EXPECT_TRUE(main->Entry("mnuFileSave")->isEnabled());
    for (QMdiSubWindow* child : main->MdiArea->subWindowList())
        EXPECT_FALSE(child->widget()->isEnabled());

    ASSERT_TRUE(
        time.RunUntil([&] { return window.RadioRows->rowCount() == 2 && Bar(0)->value() > 30; }, 10000));
    EXPECT_LT(Bar(0)->value(), 100);
    EXPECT_EQ(Cell(0, 5), QString::fromStdString(Text(32115)));

    ASSERT_TRUE(time.RunUntil([&] { return !window.IsRunning(); }, 60000));
    const int written = RowOf("COM2");
    const int refused = RowOf("COM3");
    ASSERT_GE(written, 0);
    ASSERT_GE(refused, 0);
    EXPECT_EQ(Cell(written, 1), "RB516");
    EXPECT_EQ(Cell(written, 2), "0");
    EXPECT_EQ(Cell(written, 5), QString::fromStdString(Text(32118)));
    EXPECT_EQ(Bar(written)->value(), 100);
    EXPECT_EQ(Cell(refused, 2), "8");
    EXPECT_TRUE(Cell(refused, 5).startsWith("failed: The radio is set to a frequency band"))
        << Cell(refused, 5).toStdString();
    // The radio on COM1 was not checked and heard nothing.
    EXPECT_TRUE(radio->Transcript().empty());

    EXPECT_FALSE(state.Document.Locked);
    EXPECT_TRUE(main->Entry("mnuWriteToRadio")->isEnabled());
    EXPECT_TRUE(window.CommandStart->isEnabled());
    for (QMdiSubWindow* child : main->MdiArea->subWindowList())
        EXPECT_TRUE(child->widget()->isEnabled());
}

TEST_F(FleetWindowTest, RepeatAddsARowForEachRadioAndStopEndsIt) {
    FrmFleet& window = OpenFleet();
    window.PortChecks[1]->setChecked(true);
    window.CheckRepeat->setChecked(true);
    prompter.Answer(MsgAnswer::Ok);
    window.CommandStart->click();
    ASSERT_TRUE(
        time.RunUntil([&] { return window.RadioRows->rowCount() == 1 && !Cell(0, 6).isEmpty(); }, 60000));
    // The radio stays on the cable: it is not written again.
    time.RunFor(3000);
    EXPECT_EQ(window.RadioRows->rowCount(), 1);
    window.CommandStop->click();
    ASSERT_TRUE(time.RunUntil([&] { return !window.IsRunning(); }, 5000));
    EXPECT_EQ(window.RadioRows->rowCount(), 1);
    EXPECT_FALSE(state.Document.Locked);
}

TEST_F(FleetWindowTest, StartWithoutAPortSaysSoAndStartsNothing) {
    FrmFleet& window = OpenFleet();
    window.CommandStart->click();
    EXPECT_EQ(prompter.Numbers(), std::vector<int>{32123});
    EXPECT_FALSE(window.IsRunning());
    EXPECT_FALSE(state.Document.Locked);
}

}  // namespace
}  // namespace mox::test
