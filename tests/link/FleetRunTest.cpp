#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "SimRadio.h"
#include "app/AppState.h"
#include "image/Models.h"
#include "image/RadioImagePacking.h"
#include "link/FleetPrompter.h"
#include "link/FleetRun.h"
#include "services/SetupFile.h"
#include "services/Texts.h"
#include "support/LinkFixture.h"
#include "support/SimRadioPort.h"
#include "support/TempFolder.h"
#include "support/VirtualTime.h"

namespace mox::test {
namespace {

class RecordingFleetView : public FleetView {
public:
    void PortChanged(const FleetPortStatus& status) override { Changes.push_back(status); }
    void RadioFinished(const FleetRadioResult& result) override { Finished.push_back(result); }

    std::vector<FleetPortStatus> Changes;
    std::vector<FleetRadioResult> Finished;
};

std::string Cable(int index) {
    return "/dev/ttyUSB" + std::to_string(index);
}

// The program's document (new data for the 400 - 480 MHz band) and cables to radios, each port of
// the run with a port object of its own, in virtual time.
class FleetRunTest : public ::testing::Test {
protected:
    FleetRunTest() {
        folder.InstallLanguageFiles();
        state.Paths = folder.Paths();
        state.Prompts = &prompter;
        state.Versions.Firm = {{"V200", "V200"}};
        state.Model.ModelCode = "RB516";
        SetBandLimits(state.Model, "400 - 480 MHz");
        for (int i = 0; i < 4; ++i)
            enumerator.Devices.push_back(Cable(i));
        ports = std::make_unique<PortMap>(state.Paths.SetupFile, enumerator);
        for (int i = 0; i < 4; ++i)
            numbers.push_back(ports->MapByHand(Cable(i)));
    }

    // A radio on cable `index`.
    sim::SimRadio& PutRadio(int index, const sim::SimConfig& config = {}) {
        radios[index] = std::make_unique<sim::SimRadio>(config);
        for (SimRadioPort* port : made)
            port->Attach(Cable(index), *radios[index]);
        return *radios[index];
    }
    void TakeRadioOff(int index) {
        for (SimRadioPort* port : made)
            port->Unplug(Cable(index));
    }

    FleetRun& Run(FleetPlan plan) {
        run.reset();
        made.clear();
        run = std::make_unique<FleetRun>(
            state, std::move(plan),
            [this] {
                auto port = std::make_unique<SimRadioPort>(time);
                for (auto& [index, radio] : radios)
                    port->Attach(Cable(index), *radio);
                made.push_back(port.get());
                return port;
            },
            time, time, *ports, view);
        run->Start();
        return *run;
    }
    bool RunUntilEnded(std::int64_t limitMs = 120000) {
        return time.RunUntil([this] { return !run->IsRunning(); }, limitMs);
    }
    FleetPlan WritePlan(std::vector<int> indexes) const {
        FleetPlan plan;
        for (int index : indexes)
            plan.Ports.push_back(numbers[static_cast<std::size_t>(index)]);
        return plan;
    }
    const FleetRadioResult& ResultOn(int index) const {
        const int number = numbers[static_cast<std::size_t>(index)];
        auto found =
            std::find_if(run->Results().begin(), run->Results().end(),
                         [number](const FleetRadioResult& result) { return result.PortNumber == number; });
        EXPECT_NE(found, run->Results().end());
        return *found;
    }
    std::string Reason(int textNumber) const { return ReasonOfMessage(GetLanguageText(state, textNumber)); }
    // The image the write packs from the document.
    RadioImage Packed() {
        AppState copy;
        CopyDocumentForRadio(state, 1, copy);
        copy.Image.fill(0xFF);
        PackRadioImage(copy, copy);
        return copy.Image;
    }

    TempFolder folder;
    AppState state;
    ScriptedPrompter prompter;
    FakeEnumerator enumerator;
    VirtualTime time;
    std::unique_ptr<PortMap> ports;
    std::vector<int> numbers;
    std::map<int, std::unique_ptr<sim::SimRadio>> radios;
    std::vector<SimRadioPort*> made;
    RecordingFleetView view;
    std::unique_ptr<FleetRun> run;
};

TEST_F(FleetRunTest, ARadioThatVanishesAndOneOfAnotherBandFailAloneWhileTheOthersAreWritten) {
    PutRadio(0);
    sim::SimConfig vanishing;
    vanishing.Faults.VanishAfterRequest = 90;
    PutRadio(1, vanishing);
    sim::SimConfig otherBand;
    otherBand.BandCode = 8;
    PutRadio(2, otherBand);
    PutRadio(3);
    Run(WritePlan({0, 1, 2, 3}));
    ASSERT_TRUE(RunUntilEnded());

    ASSERT_EQ(run->Results().size(), 4u);
    EXPECT_FALSE(run->AllSucceeded());
    for (int index : {0, 3}) {
        const FleetRadioResult& written = ResultOn(index);
        EXPECT_EQ(written.Outcome, FleetOutcome::Written) << written.Reason;
        EXPECT_EQ(written.Identity.ModelCode, "RB516");
        EXPECT_EQ(written.Identity.Version, "V200");
        const RadioImage packed = Packed();
        EXPECT_TRUE(std::equal(packed.begin(), packed.begin() + 2816, radios[index]->Memory().begin()));
    }
    const FleetRadioResult& vanished = ResultOn(1);
    EXPECT_EQ(vanished.Outcome, FleetOutcome::Failed);
    EXPECT_EQ(vanished.Reason,
              "The radio does not answer. Check the cable, the serial port and that the radio is "
              "switched on.");
    const FleetRadioResult& band = ResultOn(2);
    EXPECT_EQ(band.Outcome, FleetOutcome::Failed);
    EXPECT_EQ(band.Identity.BandCode, 8);
    EXPECT_EQ(band.Reason, Reason(9030));
    // Nothing was asked of the user: each radio's questions stayed with that radio.
    EXPECT_TRUE(prompter.Prompts.empty());
}

TEST_F(FleetRunTest, RadiosOnSeveralPortsTakeNoLongerThanOneAlone) {
    PutRadio(0);
    Run(WritePlan({0}));
    ASSERT_TRUE(RunUntilEnded());
    const std::int64_t alone = run->Results().front().Milliseconds;

    for (int index : {1, 2, 3})
        PutRadio(index);
    Run(WritePlan({0, 1, 2, 3}));
    ASSERT_TRUE(RunUntilEnded());
    ASSERT_TRUE(run->AllSucceeded());
    for (const FleetRadioResult& result : run->Results())
        EXPECT_LE(result.Milliseconds, alone + 20);
}

TEST_F(FleetRunTest, TheSameFamilyBandQuestionIsAgreedToOnlyWhenTheUserSaidSoForAll) {
    sim::SimConfig sameFamily;
    sameFamily.BandCode = 5;
    for (bool agree : {false, true}) {
        PutRadio(0, sameFamily);
        FleetPlan plan = WritePlan({0});
        plan.AgreeToBandQuestion = agree;
        Run(plan);
        ASSERT_TRUE(RunUntilEnded());
        const FleetRadioResult& result = ResultOn(0);
        EXPECT_EQ(result.Outcome, agree ? FleetOutcome::Written : FleetOutcome::Failed) << agree;
        EXPECT_EQ(result.Reason, agree ? "" : Reason(9014));
    }
}

TEST_F(FleetRunTest, AVerifiedWriteSaysSoAndAByteKeptWronglyFailsThatRadio) {
    PutRadio(0);
    sim::SimConfig wrong;
    wrong.Faults.StoreWrongAddresses = {2700};
    PutRadio(1, wrong);
    FleetPlan plan = WritePlan({0, 1});
    plan.Options.VerifyAfterWrite = true;
    Run(plan);
    ASSERT_TRUE(RunUntilEnded());
    EXPECT_EQ(ResultOn(0).Outcome, FleetOutcome::Verified);
    EXPECT_EQ(ResultOn(1).Outcome, FleetOutcome::Failed);
    EXPECT_NE(ResultOn(1).Reason.find("at address 2700"), std::string::npos) << ResultOn(1).Reason;
    // The port showed the read-back.
    EXPECT_TRUE(std::any_of(view.Changes.begin(), view.Changes.end(),
                            [](const FleetPortStatus& s) { return s.State == FleetPortState::Verifying; }));
}

TEST_F(FleetRunTest, ASilentRadioIsSearchedForOnItsOwnPortOnlyAndTheLinkSettingsStay) {
    sim::SimConfig otherLine;
    otherLine.StopBits = 2;
    sim::SimRadio& elsewhere = PutRadio(1);
    PutRadio(0, otherLine);
    const std::string setupBefore = TempFolder::ReadFile(state.Paths.SetupFile);
    Run(WritePlan({0}));
    ASSERT_TRUE(RunUntilEnded());
    // The radio at 2 stop bits was found on its own port and written; the radio on the other port was
    // never called, and mysetup.ini keeps the program's own settings.
    EXPECT_EQ(ResultOn(0).Outcome, FleetOutcome::Written) << ResultOn(0).Reason;
    EXPECT_TRUE(elsewhere.Transcript().empty());
    EXPECT_EQ(TempFolder::ReadFile(state.Paths.SetupFile), setupBefore);
    EXPECT_EQ(state.Link.StopBits, 1);
}

TEST_F(FleetRunTest, ReadingSeveralRadiosHandsEachOverWithItsOwnData) {
    sim::SimConfig otherBand;
    otherBand.BandCode = 8;
    PutRadio(0);
    PutRadio(1, otherBand);
    FleetPlan plan = WritePlan({0, 1});
    plan.Job = FleetJob::Read;
    std::map<int, int> bandOfPort;
    Run(plan);
    run->KeepRead = [&](int portNumber, LinkContext& radio) {
        bandOfPort[portNumber] = BandCodeOf(radio.Model.BandName);
        return std::string(portNumber == numbers[1] ? "disk full" : "");
    };
    ASSERT_TRUE(RunUntilEnded());
    EXPECT_EQ(bandOfPort, (std::map<int, int>{{numbers[0], 0}, {numbers[1], 8}}));
    EXPECT_EQ(ResultOn(0).Outcome, FleetOutcome::Read);
    EXPECT_EQ(ResultOn(1).Outcome, FleetOutcome::Failed);
    EXPECT_EQ(ResultOn(1).Reason, "disk full");
    // The document is untouched by what was read.
    EXPECT_EQ(BandCodeOf(state.Model.BandName), 0);
}

// One cable: a radio is written, stays on the cable without being written again, is taken off, and
// the next one put on is written; the count ends the run.
TEST_F(FleetRunTest, RepeatWritesEachNewRadioOnceUntilTheCount) {
    FleetPlan plan = WritePlan({0});
    plan.Repeat = true;
    plan.Count = 3;
    Run(plan);
    time.RunFor(3000);
    EXPECT_TRUE(run->Results().empty());
    EXPECT_EQ(run->Statuses().front().State, FleetPortState::WaitingForRadio);
    for (int radio = 1; radio <= 3; ++radio) {
        PutRadio(0);
        ASSERT_TRUE(
            time.RunUntil([&] { return run->Results().size() == static_cast<std::size_t>(radio); }, 60000));
        if (radio == 3)
            break;
        time.RunFor(5000);
        EXPECT_EQ(run->Results().size(), static_cast<std::size_t>(radio));
        EXPECT_EQ(run->Statuses().front().State, FleetPortState::WaitingForRemoval);
        TakeRadioOff(0);
        time.RunFor(1500);
        EXPECT_EQ(run->Statuses().front().State, FleetPortState::WaitingForRadio);
    }
    ASSERT_TRUE(RunUntilEnded(1000));
    EXPECT_TRUE(run->AllSucceeded());
    EXPECT_EQ(run->Results().size(), 3u);
}

TEST_F(FleetRunTest, StopEndsARepeatAfterTheRadioBeingWritten) {
    PutRadio(0);
    FleetPlan plan = WritePlan({0, 1});
    plan.Repeat = true;
    Run(plan);
    ASSERT_TRUE(
        time.RunUntil([&] { return run->Statuses().front().State == FleetPortState::Writing; }, 5000));
    run->Stop();
    ASSERT_TRUE(RunUntilEnded());
    ASSERT_EQ(run->Results().size(), 1u);
    EXPECT_EQ(run->Results().front().Outcome, FleetOutcome::Written);
}

TEST(FleetPrompterTest, AFailureIsKeptWithoutTheQuestionNobodyAnswers) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"The radio does not answer. Check the cable. Try again?",
         "The radio does not answer. Check the cable."},
        {"电台没有应答。请检查写频线。是否重试？", "电台没有应答。请检查写频线。"},
        {"Writing refused: this radio is write-protected (protection 1).",
         "Writing refused: this radio is write-protected (protection 1)."},
        {"The model differs.\r\nPC is MOX-5HK\r\nRadio is MOX-5HK_1", "The model differs."},
        {"Write anyway?", "Write anyway?"},
    };
    for (const auto& [text, reason] : cases)
        EXPECT_EQ(ReasonOfMessage(text), reason) << text;
}

}  // namespace
}  // namespace mox::test
