// The read and write protocol against a radio whose replies the input spoils: for each request the
// input lets the radio answer as it should, stay silent (the reply timer runs out), answer any bytes,
// answer with one byte changed or cut short, or lose the cable. The user's answers to the questions
// come from the input too. Whatever happens, the transfer ends (success, a question answered, or a
// failure) within a bounded time, with the port released and the progress window closed.

#include <algorithm>
#include <cstdint>
#include <memory>

#include "fuzz/FuzzInput.h"
#include "image/RadioImagePacking.h"
#include "support/LinkFixture.h"

namespace {

using namespace mox;
using mox::fuzz::FuzzInput;
using namespace mox::test;

// The longest transfer with every block retried and every question asked stays well within this.
constexpr std::int64_t kLongestTransferMs = 30 * 60 * 1000;

const TempFolder& Folder() {
    static const TempFolder folder;
    static const bool installed = (folder.InstallLanguageFiles(), true);
    static_cast<void>(installed);
    return folder;
}

struct Link {
    explicit Link(FuzzInput& input) : port(time), radio(Config(input)) {
        state.Paths = Folder().Paths();
        state.Prompts = &prompter;
        state.Versions.Firm = {{"V200", "V200"}};
        enumerator.Devices = {kCable};
        ports = std::make_unique<PortMap>(state.Paths.SetupFile, enumerator);
        state.Link.PortNumber = ports->MapByHand(kCable);
        port.Attach(kCable, radio);
        port.DeliverByteByByte = input.Flag();
        for (std::size_t answers = input.Choice(8); answers > 0; --answers)
            prompter.Answer(static_cast<MsgAnswer>(input.Choice(5)));
        if (input.Flag())
            prompter.AnswerPassword(input.Flag() ? "1234" : input.ShortText());
        engine = std::make_unique<TransferEngine>(state, port, time, *ports, shell, progress);
        // The language file stays the same from run to run; parsing it once saves most of a run's time.
        state.Language.Cache = LanguageCache();
    }
    ~Link() { LanguageCache() = state.Language.Cache; }
    Link(const Link&) = delete;
    Link& operator=(const Link&) = delete;

    static std::shared_ptr<TextCache>& LanguageCache() {
        static std::shared_ptr<TextCache> cache;
        return cache;
    }

    static sim::SimConfig Config(FuzzInput& input) {
        sim::SimConfig config;
        if (input.Flag())
            config.Password = "1234";
        config.FeatureByte = input.Flag() ? input.Byte() : 0;
        return config;
    }

    AppState state;
    ScriptedPrompter prompter;
    FakeEnumerator enumerator;
    VirtualTime time;
    SimRadioPort port;
    sim::SimRadio radio;
    std::unique_ptr<PortMap> ports;
    FakeShell shell;
    FakeProgress progress;
    std::unique_ptr<TransferEngine> engine;
};

// What the radio's reply to one request becomes.
Bytes Spoil(FuzzInput& input, SimRadioPort& port, const Bytes& reply) {
    switch (input.Choice(8)) {
        case 1:
            return {};
        case 2: {
            const std::vector<std::uint8_t> bytes = input.Bytes(input.Choice(40));
            return Bytes(bytes.begin(), bytes.end());
        }
        case 3: {
            Bytes changed = reply;
            if (!changed.empty())
                changed[input.Byte() % changed.size()] ^= static_cast<std::uint8_t>(input.Byte() | 1);
            return changed;
        }
        case 4:
            return Bytes(reply.begin(),
                         reply.begin() + static_cast<std::ptrdiff_t>(input.Byte() % (reply.size() + 1)));
        case 5:
            if (input.Choice(4) == 0) {
                port.Unplug(kCable);
                return {};
            }
            return reply;
        default:
            return reply;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    Link link(input);
    const RadioData before = link.state.Data;
    link.port.Answering = [&input, &link](const Bytes&, const Bytes& reply) {
        return Spoil(input, link.port, reply);
    };

    const std::size_t command = input.Choice(3);
    if (command == 0)
        link.engine->ReadFromRadio();
    else if (command == 1)
        link.engine->WriteToRadio();
    else
        link.engine->ReadRMGDataFromRadio();
    const bool ended = link.time.RunUntil([&link] { return !link.engine->IsBusy(); }, kLongestTransferMs);
    FUZZ_CHECK(ended);
    FUZZ_CHECK(link.state.Transfer.Kind == TransferKind::None);
    FUZZ_CHECK(!link.port.IsOpen());
    FUZZ_CHECK(!link.progress.IsOpen);
    // Nothing is left to happen once the transfer has ended.
    link.time.RunFor(kLongestTransferMs);
    FUZZ_CHECK(!link.engine->IsBusy() && !link.port.IsOpen());

    // The user heard how it ended, and read data are whole: they pack for a write.
    FUZZ_CHECK(!link.prompter.Prompts.empty() || link.shell.ReadDataShown > 0 || link.shell.InfoWindows > 0);
    if (command == 0 && !(link.state.Data == before)) {
        FUZZ_CHECK(link.shell.ReadDataShown > 0);
        FUZZ_CHECK(PackRadioImage(link.state, link.state).Ok);
    }
    return 0;
}
