#include "SimRadio.h"

#include <algorithm>
#include <random>
#include <string_view>

#include "SimMemory.h"

namespace mox::sim {
namespace {

constexpr std::string_view kProgram = "PROGRAM";
constexpr std::string_view kEnd = "END";
constexpr std::uint8_t kIdentify = 0x02;
constexpr std::uint8_t kRead = 0x52;
constexpr std::uint8_t kWrite = 0x57;
constexpr std::uint8_t kAck = 0x06;
constexpr std::uint8_t kResend = 0x0A;
// What a noisy line puts in front of the acknowledgement.
const mox::Bytes kNoise = {0x00, 0xFF, 0x5A};

bool StartsWith(const mox::Bytes& bytes, std::string_view text, std::size_t available) {
    std::size_t n = std::min(available, text.size());
    return std::equal(bytes.begin(), bytes.begin() + static_cast<long>(n), text.begin());
}

std::string Hex(const mox::Bytes& bytes) {
    std::string text;
    for (std::uint8_t b : bytes) {
        static constexpr char kDigits[] = "0123456789ABCDEF";
        if (!text.empty())
            text += ' ';
        text += kDigits[b >> 4];
        text += kDigits[b & 0x0F];
    }
    return text;
}

int AddressOf(const mox::Bytes& packet) {
    return packet[1] << 8 | packet[2];
}

}  // namespace

mox::Bytes GarbageReply(int request, std::size_t length) {
    std::minstd_rand random(static_cast<std::uint32_t>(request));
    if (length == 0)
        length = 1 + random() % 22;
    mox::Bytes garbage(length);
    for (std::uint8_t& byte : garbage)
        byte = static_cast<std::uint8_t>(random());
    // The first bytes of an acknowledgement, a resend request, "RB", an identification and a data reply.
    for (const std::uint8_t start : {kAck, kResend, std::uint8_t{'R'}, std::uint8_t{'P'}, kWrite}) {
        if (garbage[0] == start)
            garbage[0] = static_cast<std::uint8_t>(start ^ 0x80);
    }
    return garbage;
}

std::uint8_t BlockChecksum(const mox::Bytes& packet) {
    if (packet.size() < 4)
        return 0;
    unsigned sum = 0;
    std::size_t end = std::min<std::size_t>(packet.size(), 4u + packet[3]);
    for (std::size_t i = 1; i < end; ++i)
        sum += packet[i];
    return static_cast<std::uint8_t>(sum);
}

SimRadio::SimRadio(SimConfig c) : m_config(std::move(c)), m_memory(InitialSimMemory(m_config)) {}

bool SimRadio::AcceptsSettings(int stopBits, int handshaking) const {
    return stopBits == m_config.StopBits && handshaking == m_config.Handshaking;
}

void SimRadio::DiscardPartialRequest() {
    if (!m_pending.empty())
        Log('>', m_pending, "(incomplete, dropped)");
    m_pending.clear();
}

int SimRadio::RequestLength() const {
    std::size_t n = m_pending.size();
    switch (m_pending.front()) {
        case 'P':
            return !StartsWith(m_pending, kProgram, n) ? -1 : n >= kProgram.size() ? 7 : 0;
        case 'E':
            return !StartsWith(m_pending, kEnd, n) ? -1 : n >= kEnd.size() ? 3 : 0;
        case kIdentify:
            return 1;
        case kRead:
            return n >= 4 ? 4 : 0;
        case kWrite: {
            if (n < 4)
                return 0;
            std::size_t length = 6u + m_pending[3];
            return n >= length ? static_cast<int>(length) : 0;
        }
        default:
            return -1;
    }
}

mox::Bytes SimRadio::Receive(const mox::Bytes& fromProgram) {
    mox::Bytes replies;
    if (m_vanished)
        return replies;
    m_pending.insert(m_pending.end(), fromProgram.begin(), fromProgram.end());
    mox::Bytes skipped;
    while (!m_pending.empty() && !m_vanished) {
        int length = RequestLength();
        if (length == 0)
            break;
        if (length < 0) {
            skipped.push_back(m_pending.front());
            m_pending.erase(m_pending.begin());
            continue;
        }
        if (!skipped.empty())
            Log('>', skipped, "(not a request, ignored)");
        skipped.clear();
        mox::Bytes request(m_pending.begin(), m_pending.begin() + length);
        m_pending.erase(m_pending.begin(), m_pending.begin() + length);
        mox::Bytes reply = Answer(request);
        replies.insert(replies.end(), reply.begin(), reply.end());
    }
    if (!skipped.empty())
        Log('>', skipped, "(not a request, ignored)");
    return replies;
}

mox::Bytes SimRadio::Answer(const mox::Bytes& request) {
    int number = ++m_requestCount;
    Log('>', request);
    mox::Bytes reply;
    if (request.front() == 'P') {
        m_programMode = true;
        if (m_config.Faults.Noise)
            reply = kNoise;
        reply.insert(reply.end(), {'R', 'B', kAck});
    } else if (!m_programMode) {
        reply.clear();  // outside programming mode the radio ignores everything but "PROGRAM"
    } else if (request.front() == 'E') {
        m_programMode = false;
        if (!m_config.Faults.NoEndAck)
            reply = {kAck};
    } else if (request.front() == kIdentify) {
        reply = IdentificationReply();
    } else if (request.front() == kRead) {
        reply = DataReply(AddressOf(request), request[3]);
    } else {
        reply = StoreWriteBlock(request);
    }
    if (m_config.Faults.VanishAfterRequest == number)
        m_vanished = true;
    if (m_vanished) {
        Log('<', {}, "(radio gone)");
        return {};
    }
    if (AnswersGarbage(number)) {
        reply = GarbageReply(number, reply.size());
        Log('<', reply, "(garbage)");
        return reply;
    }
    if (reply.empty()) {
        Log('<', {}, "(silent)");
        return {};
    }
    if (m_config.Faults.DropReplies.count(number) != 0) {
        Log('<', reply, "(dropped)");
        return {};
    }
    Log('<', reply);
    return reply;
}

bool SimRadio::AnswersGarbage(int request) const {
    const SimFaults& faults = m_config.Faults;
    return faults.GarbageReplies.count(request) != 0 ||
           (faults.GarbageFromRequest > 0 && request >= faults.GarbageFromRequest);
}

mox::Bytes SimRadio::IdentificationReply() const {
    mox::Bytes reply = {'P'};
    reply.insert(reply.end(), m_memory.begin() + kSimModelBlockAddress,
                 m_memory.begin() + kSimModelBlockAddress + 7);
    reply.push_back(m_memory[kSimModelBlockAddress + 7]);
    reply.insert(reply.end(), m_memory.begin() + kSimModelBlockAddress + 8,
                 m_memory.begin() + kSimModelBlockAddress + 12);
    reply.push_back(m_memory[kSimModelBlockAddress + 12]);
    reply.push_back(0x00);
    reply.push_back(kAck);
    return reply;
}

mox::Bytes SimRadio::DataReply(int address, int length) const {
    if (address + length > kSimMemorySize)
        return {};
    int named = m_config.Faults.WrongAddressAddresses.count(address) != 0 ? address + length : address;
    mox::Bytes reply = {kWrite, static_cast<std::uint8_t>(named >> 8), static_cast<std::uint8_t>(named),
                        static_cast<std::uint8_t>(length)};
    reply.insert(reply.end(), m_memory.begin() + address, m_memory.begin() + address + length);
    std::uint8_t sum = BlockChecksum(reply);
    if (m_config.Faults.BadChecksumAddresses.count(address) != 0)
        sum = static_cast<std::uint8_t>(sum + 1);
    reply.push_back(sum);
    reply.push_back(kAck);
    return reply;
}

mox::Bytes SimRadio::StoreWriteBlock(const mox::Bytes& block) {
    int address = AddressOf(block);
    int length = block[3];
    if (block.back() != kAck || block[4 + length] != BlockChecksum(block) ||
        address + length > kSimMemorySize)
        return {};
    auto resend = m_config.Faults.ResendAddresses.find(address);
    if (resend != m_config.Faults.ResendAddresses.end() && resend->second > 0) {
        --resend->second;
        return {kResend};
    }
    std::copy(block.begin() + 4, block.begin() + 4 + length, m_memory.begin() + address);
    for (const int wrong : m_config.Faults.StoreWrongAddresses) {
        if (wrong >= address && wrong < address + length)
            m_memory[static_cast<std::size_t>(wrong)] ^= 0xFF;
    }
    return {kAck};
}

std::vector<std::string> SimRadio::TakeTranscript() {
    std::vector<std::string> lines;
    lines.swap(m_transcript);
    return lines;
}

void SimRadio::Log(char direction, const mox::Bytes& bytes, const std::string& note) {
    std::string line(1, direction);
    if (!bytes.empty())
        line += ' ' + Hex(bytes);
    if (!note.empty())
        line += ' ' + note;
    m_transcript.push_back(line);
}

}  // namespace mox::sim
