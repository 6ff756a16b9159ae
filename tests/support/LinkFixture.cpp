#include "support/LinkFixture.h"
#include "services/SetupFile.h"

#include "image/Models.h"
#include "services/NumberText.h"

namespace mox::test {

namespace {

int AddressOf(const Bytes& request) {
    return request[1] * 256 + request[2];
}

}  // namespace

LinkFixture::LinkFixture() {
    folder.InstallLanguageFiles();
    state.Paths = folder.Paths();
    state.Prompts = &prompter;
    state.Versions.Firm = {{"V200", "V200"}};
    radio = std::make_unique<sim::SimRadio>();
    enumerator.Devices = {kCable};
    ports = std::make_unique<PortMap>(state.Paths.SetupFile, enumerator);
    state.Link.PortNumber = ports->MapByHand(kCable);
    port.Attach(kCable, *radio);
}

void LinkFixture::UseRadio(const sim::SimConfig& config) {
    radio = std::make_unique<sim::SimRadio>(config);
    port.Attach(kCable, *radio);
}

TransferEngine& LinkFixture::Engine() {
    if (!engine)
        engine = std::make_unique<TransferEngine>(state, port, time, *ports, shell, progress);
    return *engine;
}

bool LinkFixture::RunUntilIdle() {
    return time.RunUntil([this] { return !Engine().IsBusy(); }, 60000);
}

void LinkFixture::Read() {
    prompter.Answer(MsgAnswer::Ok);
    Engine().ReadFromRadio();
    ASSERT_TRUE(RunUntilIdle());
}

void LinkFixture::Write() {
    prompter.Answer(MsgAnswer::Ok);
    Engine().WriteToRadio();
    ASSERT_TRUE(RunUntilIdle());
}

std::vector<std::string> LinkFixture::Requests() const {
    std::vector<std::string> requests;
    for (const Bytes& request : port.Written) {
        if (request.front() == 'R' || request.front() == 'W')
            requests.push_back(std::string(1, static_cast<char>(request.front())) + " " +
                               WholeNumberText(AddressOf(request)));
        else if (request.front() == 0x02)
            requests.push_back("ID");
        else
            requests.push_back(std::string(request.begin(), request.end()));
    }
    return requests;
}

std::vector<int> LinkFixture::ReadAddresses() const {
    std::vector<int> addresses;
    for (const Bytes& request : port.Written) {
        if (request.front() == 'R')
            addresses.push_back(AddressOf(request));
    }
    return addresses;
}

std::vector<int> LinkFixture::WriteAddresses() const {
    std::vector<int> addresses;
    for (const Bytes& request : port.Written) {
        if (request.front() == 'W')
            addresses.push_back(AddressOf(request));
    }
    return addresses;
}

std::string LinkFixture::LastPromptText() const {
    return prompter.Prompts.empty() ? std::string() : prompter.Prompts.back().Text;
}

}  // namespace mox::test
