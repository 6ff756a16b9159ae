#include <algorithm>

#include "support/LinkFixture.h"

namespace mox::test {
namespace {

// "PROGRAM", the identify request, the password block, 177 blocks and the end request.
constexpr int kRequestsOfATransfer = 181;
constexpr int kEndRequest = kRequestsOfATransfer;
// From the moment the radio is lost to the question or message that ends the transfer.
constexpr std::int64_t kLongestEndMs = 2000;
// Until the radio has answered "PROGRAM" and the identify request, noise is taken for wrong link
// settings: after four requests of 150 ms the search tries the port's eight settings with four
// "PROGRAM" requests each before it asks.
constexpr std::int64_t kLongestHandshakeEndMs = 4 * 150 + 8 * 4 * 150;

// The adapter pulled out of the computer (the port fails), the cable pulled out of the radio (silence),
// or a radio that answers only garbage.
enum class LineFault { AdapterPulled, CablePulled, Garbage };

// Requests a radio that has gone silent may still be sent: retries and the search's own.
constexpr int kSilentRequests = 64;

// Notes when each question or message comes, in virtual time, and whether the port is open then.
class TimedPrompter : public ScriptedPrompter {
public:
    TimedPrompter(const VirtualTime& time, const SerialPort& port) : m_time(time), m_port(port) {}

    MsgAnswer Ask(const Prompt& prompt) override {
        AskedAt.push_back(m_time.NowMilliseconds());
        PortOpen.push_back(m_port.IsOpen());
        return ScriptedPrompter::Ask(prompt);
    }

    std::vector<std::int64_t> AskedAt;
    std::vector<bool> PortOpen;

private:
    const VirtualTime& m_time;
    const SerialPort& m_port;
};

class LineFaultSweepTest : public LinkFixture {
protected:
    LineFaultSweepTest() { state.Prompts = &timed; }

    // Runs a transfer whose radio is lost at request `request` (or answers garbage from it on), then
    // reads a radio plugged in again. Returns the milliseconds from the loss to the question or
    // message that ended the transfer.
    std::int64_t SweepStep(bool write, LineFault fault, int request) {
        const std::string context = (write ? "write, request " : "read, request ") + std::to_string(request);
        sim::SimConfig config;
        if (fault == LineFault::AdapterPulled)
            config.Faults.VanishAfterRequest = request;
        else if (fault == LineFault::Garbage)
            config.Faults.GarbageFromRequest = request;
        for (int silent = request; fault == LineFault::CablePulled && silent < request + kSilentRequests;
             ++silent)
            config.Faults.DropReplies.insert(silent);
        UseRadio(config);
        Forget();
        // The failure question is cancelled.
        Transfer(write);
        if (timed.Prompts.size() < 2 || port.HeardAt.size() < static_cast<std::size_t>(request)) {
            ADD_FAILURE() << context << ": " << ::testing::PrintToString(timed.Numbers());
            return 0;
        }

        const int done = write ? 9010 : 9009;
        // After the end request the radio has everything.
        EXPECT_EQ(timed.Prompts[1].TextNumber, request == kEndRequest ? done : 9008) << context;
        const std::int64_t afterLoss = timed.AskedAt[1] - port.HeardAt[static_cast<std::size_t>(request - 1)];
        EXPECT_LE(afterLoss, InHandshake(fault, request) ? kLongestHandshakeEndMs : kLongestEndMs) << context;
        // A pulled adapter's port is closed at once, so the system can give its name to it again.
        if (fault == LineFault::AdapterPulled) {
            EXPECT_FALSE(timed.PortOpen[1]) << context;
        }
        EXPECT_FALSE(port.IsOpen()) << context;
        EXPECT_EQ(state.Transfer.Kind, TransferKind::None) << context;
        EXPECT_FALSE(progress.IsOpen) << context;

        ExpectReadOfAReconnectedRadio(context);
        return afterLoss;
    }

    // A radio that is there but does not answer "PROGRAM" or the identify request sets off the search.
    static bool InHandshake(LineFault fault, int request) {
        return fault != LineFault::AdapterPulled && request <= 2;
    }

    void Sweep(bool write, LineFault fault) {
        std::int64_t worst = 0;
        std::int64_t worstInHandshake = 0;
        for (int request = 1; request <= kRequestsOfATransfer; ++request) {
            std::int64_t& kept = InHandshake(fault, request) ? worstInHandshake : worst;
            kept = std::max(kept, SweepStep(write, fault, request));
        }
        RecordProperty("WorstMsFromLossToMessage", static_cast<int>(worst));
        RecordProperty("WorstMsFromLossToMessageInTheHandshake", static_cast<int>(worstInHandshake));
    }

    void ExpectReadOfAReconnectedRadio(const std::string& context) {
        UseRadio({});
        Forget();
        Transfer(false);
        EXPECT_EQ(timed.Numbers(), (std::vector<int>{9004, 9009})) << context;
        EXPECT_TRUE(std::equal(state.Image.begin(), state.Image.end(), radio->Memory().begin())) << context;
    }

    // A read or a write with the question 9004 or 9005 answered OK.
    void Transfer(bool write) {
        timed.Answer(MsgAnswer::Ok);
        write ? Engine().WriteToRadio() : Engine().ReadFromRadio();
        EXPECT_TRUE(RunUntilIdle());
    }

    void Forget() {
        timed.Prompts.clear();
        timed.AskedAt.clear();
        timed.PortOpen.clear();
        port.Written.clear();
        port.WrittenAt.clear();
        port.HeardAt.clear();
    }

    TimedPrompter timed{time, port};
};

TEST_F(LineFaultSweepTest, AdapterPulledAtEveryRequestOfAReadEndsAtOnceAndTheNextReadWorks) {
    Sweep(false, LineFault::AdapterPulled);
}

TEST_F(LineFaultSweepTest, AdapterPulledAtEveryRequestOfAWriteEndsAtOnceAndTheNextReadWorks) {
    Sweep(true, LineFault::AdapterPulled);
}

TEST_F(LineFaultSweepTest, CablePulledFromTheRadioAtEveryRequestOfAReadIsGivenUpWithinTheRetries) {
    Sweep(false, LineFault::CablePulled);
}

TEST_F(LineFaultSweepTest, CablePulledFromTheRadioAtEveryRequestOfAWriteIsGivenUpWithinTheRetries) {
    Sweep(true, LineFault::CablePulled);
}

TEST_F(LineFaultSweepTest, RadioTalkingGarbageFromAnyRequestOfAReadIsGivenUpWithinTheRetries) {
    Sweep(false, LineFault::Garbage);
}

TEST_F(LineFaultSweepTest, RadioTalkingGarbageFromAnyRequestOfAWriteIsGivenUpWithinTheRetries) {
    Sweep(true, LineFault::Garbage);
}

TEST_F(LineFaultSweepTest, GarbageInPlaceOfAnyOneReplyIsAskedForAgain) {
    for (int request = 1; request <= kRequestsOfATransfer; ++request) {
        sim::SimConfig config;
        config.Faults.GarbageReplies = {request};
        UseRadio(config);
        Forget();
        Transfer(false);
        EXPECT_EQ(timed.Numbers(), (std::vector<int>{9004, 9009})) << "read, request " << request;
        EXPECT_TRUE(std::equal(state.Image.begin(), state.Image.end(), radio->Memory().begin()))
            << "read, request " << request;

        UseRadio(config);
        Forget();
        Transfer(true);
        EXPECT_EQ(timed.Numbers(), (std::vector<int>{9005, 9010})) << "write, request " << request;
        EXPECT_TRUE(std::equal(state.Image.begin(), state.Image.end(), radio->Memory().begin()))
            << "write, request " << request;
    }
}

}  // namespace
}  // namespace mox::test
