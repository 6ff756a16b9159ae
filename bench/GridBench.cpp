// How long the channel list takes to show a whole group again and to change to another group, with all
// 128 channels in use, and how long a batch set-up over all 128 channels takes with the redraw after
// it: the median of 100 runs of each, painting included (goal: under 20 ms each); and how long undo
// and redo of one step take with a full history over all 128 channels, the channel list shown again
// (goal: under 5 ms).
// Usage: moxgridbench PROGRAM_FOLDER   (the folder holding language/english.ini)
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTableWidget>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/AppState.h"
#include "app/ChannelFieldCommand.h"
#include "channels/BatchSetup.h"
#include "channels/ui/frmCommChInfo.h"
#include "files/DocumentEdits.h"
#include "image/ChannelTable.h"

namespace {

constexpr int kRuns = 100;
constexpr double kGoalMs = 20.0;
constexpr double kUndoGoalMs = 5.0;

// The main window as the channel list sees it, with nothing else open.
class NoHost : public mox::ChannelListHost {
public:
    void RegisterWindow(const QString&, WindowFactory) override {}
    QWidget* ShowOrFocusWindow(const QString&) override { return nullptr; }
    void CloseWindowByName(const QString&) override {}
    QWidget* FindWindow(const QString&) const override { return nullptr; }
    void LoadTree() override {}
    void ShowCHInfo(bool) override {}
    QMenu* ChannelEditMenu() const override { return nullptr; }
    void UpdateChannelCommandEnabling(int) override {}
};

void FillAllChannels(mox::AppState& state) {
    for (int number = 1; number <= mox::kChannelCapacity; ++number) {
        mox::ChannelRecord* record =
            mox::AppendDefaultChannel(state.Data.Channels, state.Model, number, "435.125");
        record->RxTone = static_cast<std::int16_t>(number);
        record->TxTone = static_cast<std::int16_t>(number + 100);
        record->ShiftDirection = 2;
        mox::SetFixedText(record->ShiftDigits, "0500000");
    }
}

// Every run shows other frequencies, so no cell keeps its text.
void ChangeFrequencies(mox::AppState& state, int run) {
    const std::string digits = run % 2 == 0 ? "43512500" : "44600625";
    for (int i = 0; i < state.Data.Channels.Count; ++i)
        mox::SetFixedText(state.Data.Channels.Records[i].RxDigits, digits);
}

double MedianMs(const std::function<void(int)>& prepare, const std::function<void()>& work) {
    std::vector<double> times;
    QElapsedTimer clock;
    for (int run = 0; run < kRuns; ++run) {
        prepare(run);
        clock.start();
        work();
        times.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    std::nth_element(times.begin(), times.begin() + kRuns / 2, times.end());
    return times[kRuns / 2];
}

// Every item of the batch set-up, each channel stepping from the last.
mox::BatchFields EveryItemStepping(const mox::AppState& state) {
    mox::BatchFields fields = mox::InitialBatchFields(state.Model);
    fields.RxStart = "435";
    fields.RxStep = "12.5";
    fields.TxMode = mox::BatchTxMode::Offset;
    fields.TxOffset = "5";
    fields.RxTone.Interval = "1";
    fields.TxToneSameAsRx = false;
    fields.TxTone.Random = true;
    fields.Values[mox::kBatchBusyLock] = 2;
    fields.Values[mox::kBatchScanSkip] = 1;
    return fields;
}

bool Report(const char* what, double ms, double goal = kGoalMs) {
    std::printf("%-28s median of %d runs: %7.3f ms (goal: under %.0f ms)\n", what, kRuns, ms, goal);
    return ms < goal;
}

// A history of as many steps as it keeps, each a stored value; the last deletes channel 12.
void FillHistory(mox::AppState& state) {
    mox::StartHistory(state);
    for (std::size_t step = 1; step < mox::EditHistory::kMaxSteps; ++step)
        mox::SetChannelField(state, 1 + static_cast<int>(step % 128), 4, std::to_string(step % 50 + 1));
    mox::SetChannelField(state, 12, 1, "");
}

// Undo and redo in turn, each with the channel list showing the data it gave back.
double UndoRedoMs(mox::AppState& state, mox::frmCommChInfo& list, QWidget* cells) {
    FillHistory(state);
    int turn = 0;
    return MedianMs([](int) {},
                    [&state, &list, &turn, cells] {
                        if (turn++ % 2 == 0)
                            mox::UndoEdit(state);
                        else
                            mox::RedoEdit(state);
                        list.ShowRestoredData();
                        mox::AbsorbEdits(state);
                        cells->repaint();
                    });
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "Usage: moxgridbench PROGRAM_FOLDER\n");
        return 2;
    }
    QApplication app(argc, argv);
    mox::AppState state;
    state.Paths.ProgramFolder = argv[1];
    FillAllChannels(state);
    NoHost host;
    mox::frmCommChInfo list(state, host);
    list.show();
    QApplication::processEvents();
    QWidget* cells = list.MSFlexGrid1->viewport();

    const double redraw = MedianMs([&state](int run) { ChangeFrequencies(state, run); },
                                   [&list, cells] {
                                       list.reShowAllGrid();
                                       cells->repaint();
                                   });
    int group = 0;
    const double change = MedianMs([](int) {},
                                   [&list, &group, cells] {
                                       group = (group + 1) % mox::kGroupCount;
                                       list.ComboGroup->setCurrentIndex(group);
                                       cells->repaint();
                                   });
    mox::BatchItemSelection everyItem{};
    everyItem.fill(1);
    const mox::ToneDraw draw = mox::UniformToneDraw(1);
    const double batch =
        MedianMs([&state](int run) { ChangeFrequencies(state, run); },
                 [&state, &list, &everyItem, &draw, cells] {
                     mox::BatchFields fields = EveryItemStepping(state);
                     mox::ApplyBatch(fields, everyItem, {state.Data.Channels, state.Model, state, draw});
                     list.reShowAllGrid();
                     cells->repaint();
                 });
    const double undo = UndoRedoMs(state, list, cells);
    const bool redrawFast = Report("redraw of a whole group", redraw);
    const bool changeFast = Report("change of group", change);
    const bool batchFast = Report("batch of 128 and redraw", batch);
    const bool undoFast = Report("undo or redo and redraw", undo, kUndoGoalMs);
    std::printf("history of %zu steps holds %.1f MB of data\n", state.History.UndoCount(),
                static_cast<double>(state.History.UndoCount() * sizeof(mox::DocumentSnapshot)) / 1e6);
    return redrawFast && changeFast && batchFast && undoFast ? 0 : 1;
}
