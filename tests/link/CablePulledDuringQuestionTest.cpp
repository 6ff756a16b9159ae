#include <algorithm>

#include "support/LinkFixture.h"

namespace mox::test {
namespace {

// Stands for the password dialog among the numbered questions.
constexpr int kPasswordDialog = -1;

// Answers from the script, pulls the cable out while one chosen question is open and plugs it in
// again before answering, and notes whether a question ever opened inside another.
class CablePullingPrompter : public ScriptedPrompter {
public:
    MsgAnswer Ask(const Prompt& prompt) override {
        Open(prompt.TextNumber);
        const MsgAnswer answer = ScriptedPrompter::Ask(prompt);
        --m_open;
        return answer;
    }
    bool AskPassword(std::string& password) override {
        Open(kPasswordDialog);
        const bool ok = ScriptedPrompter::AskPassword(password);
        --m_open;
        return ok;
    }

    int PullDuring = 0;
    std::function<void()> PullAndReplug;
    bool Stacked = false;

private:
    void Open(int question) {
        Stacked = Stacked || m_open > 0;
        ++m_open;
        if (question == PullDuring && !m_pulled) {
            m_pulled = true;
            PullAndReplug();
        }
    }

    int m_open = 0;
    bool m_pulled = false;
};

struct PulledCase {
    const char* Name;
    int PullDuring;
    bool Write;
    std::function<void(sim::SimConfig&)> Radio;
    std::vector<MsgAnswer> Answers;
    std::vector<int> Messages;
};

void PrintTo(const PulledCase& c, std::ostream* out) {
    *out << c.Name;
}

class CablePulledDuringQuestionTest : public LinkFixture, public ::testing::WithParamInterface<PulledCase> {
protected:
    CablePulledDuringQuestionTest() {
        state.Prompts = &pulling;
        pulling.PullAndReplug = [this] {
            port.Unplug(kCable);
            port.Attach(kCable, *radio);
        };
    }

    // A block moves only after "PROGRAM", the identify request and the password block, counted from
    // the last "PROGRAM".
    bool EveryBlockFollowsTheHandshake() const {
        bool identified = false;
        bool passwordRead = false;
        for (const std::string& request : Requests()) {
            if (request == "PROGRAM") {
                identified = passwordRead = false;
            } else if (request == "ID") {
                identified = true;
            } else if (request == "R 2864") {
                passwordRead = identified;
            } else if ((request[0] == 'R' || request[0] == 'W') && !passwordRead) {
                return false;
            }
        }
        return true;
    }

    CablePullingPrompter pulling;
};

TEST_P(CablePulledDuringQuestionTest, LossWaitsUntilTheQuestionHasBeenAnswered) {
    const PulledCase& c = GetParam();
    sim::SimConfig config;
    c.Radio(config);
    UseRadio(config);
    pulling.PullDuring = c.PullDuring;
    pulling.AnswerPassword("1234");
    pulling.Answer(MsgAnswer::Ok);  // 9004 or 9005
    for (MsgAnswer answer : c.Answers)
        pulling.Answer(answer);
    if (c.Write)
        Engine().WriteToRadio();
    else
        Engine().ReadFromRadio();
    ASSERT_TRUE(RunUntilIdle());

    EXPECT_FALSE(pulling.Stacked);
    EXPECT_EQ(pulling.Numbers(), c.Messages);
    EXPECT_TRUE(EveryBlockFollowsTheHandshake()) << ::testing::PrintToString(Requests());
    EXPECT_FALSE(port.IsOpen());
}

const PulledCase kPulledCases[] = {
    // The read goes on after the password; the loss then asks whether to try again, and the restart
    // repeats the whole handshake.
    {"Password",
     kPasswordDialog,
     false,
     [](sim::SimConfig& c) { c.Password = "1234"; },
     {MsgAnswer::Ok},
     {9004, 9008, 9009}},
    {"SameRangeBand",
     9014,
     true,
     [](sim::SimConfig& c) { c.BandCode = 6; },
     {MsgAnswer::Ok, MsgAnswer::Ok, MsgAnswer::Ok},
     {9005, 9014, 9008, 9014, 9010}},
    // The question ends the transfer; the loss of a port already closed asks nothing.
    {"OtherBand", 9030, true, [](sim::SimConfig& c) { c.BandCode = 8; }, {}, {9005, 9030}},
    {"VersionQuestion",
     9062,
     false,
     [](sim::SimConfig& c) { c.Version = "V100"; },
     {MsgAnswer::No},
     {9004, 9062}},
    {"WriteProtection1", 9031, true, [](sim::SimConfig& c) { c.FeatureByte = 0x08; }, {}, {9005, 9031}},
    {"WriteProtection2", 9032, true, [](sim::SimConfig& c) { c.FeatureByte = 0x04; }, {}, {9005, 9032}},
    {"ReadDone", 9009, false, [](sim::SimConfig&) {}, {}, {9004, 9009}},
    {"WriteDone", 9010, true, [](sim::SimConfig&) {}, {}, {9005, 9010}},
    // The first block goes unanswered four times. The port opened again by OK is not the one that was
    // lost, so the read just goes on.
    {"TryAgain",
     9008,
     false,
     [](sim::SimConfig& c) {
         c.Faults.DropReplies = {4, 5, 6, 7};
     },
     {MsgAnswer::Ok},
     {9004, 9008, 9009}},
};

INSTANTIATE_TEST_SUITE_P(EachQuestion, CablePulledDuringQuestionTest, ::testing::ValuesIn(kPulledCases),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace mox::test
