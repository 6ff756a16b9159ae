#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "link/SerialPort.h"

namespace mox::sim {

// Faults the simulated radio can be told to make, to exercise the program's checks and retries.
struct SimFaults {
    std::set<int> DropReplies;           // 1-based request numbers whose reply is not sent
    std::set<int> BadChecksumAddresses;  // data replies from these addresses carry a wrong checksum
    // write-block address -> number of 0A replies before accepting; counts down as the radio asks
    std::map<int, int> ResendAddresses;
    bool Noise = false;  // garbage bytes before each "RB"+06
    bool NoEndAck = false;
    std::set<int> WrongAddressAddresses;  // data replies for these addresses name the next block instead
    int VanishAfterRequest = 0;           // the radio goes away after this request (0: never)
    // Written bytes at these addresses are kept with every bit inverted, as by a failing memory.
    std::set<int> StoreWrongAddresses;
    // 1-based request numbers whose reply is replaced by random bytes, as a disturbed line delivers.
    std::set<int> GarbageReplies;
    int GarbageFromRequest = 0;  // every reply from this request on is random bytes (0: never)
};

// What the simulated radio is: its identity (stored in its memory at construction), the link settings
// it insists on, its password and its faults.
struct SimConfig {
    std::string ModelCode = "RB516";
    int BandCode = 0;
    std::string Version = "V200";
    std::uint8_t FeatureByte = 0;
    std::string Password;
    int StopBits = 1;
    int Handshaking = 0;
    SimFaults Faults;
};

constexpr int kSimMemorySize = 8192;
constexpr int kSimImageSize = 2832;
constexpr int kSimInfoSize = 496;
constexpr int kSimModelBlockAddress = 2816;
constexpr int kSimPasswordAddress = 2876;
constexpr int kSimFactoryTestAddress = 8176;

// The radio's side of the programming protocol, without any port or clock. Bytes from the program go
// in, the radio's answer comes out. The identification reply is taken from memory 2816..2828, so a
// write of that block changes what the radio says of itself, as on the real radio.
class SimRadio {
public:
    explicit SimRadio(SimConfig c = {});

    // Returns the reply bytes (empty: silent); partial requests are buffered until complete.
    mox::Bytes Receive(const mox::Bytes& fromProgram);
    // Forgets a partial request, as the radio does when the line stays quiet in the middle of one.
    void DiscardPartialRequest();
    // Whether a program using these port settings can talk to this radio.
    bool AcceptsSettings(int stopBits, int handshaking) const;
    // True once the request named by VanishAfterRequest has been received.
    bool Vanished() const { return m_vanished; }
    bool InProgramMode() const { return m_programMode; }

    // 8192 bytes: 0..2831 image, 2832..3327 info block, 8176..8191 factory test block.
    std::vector<std::uint8_t>& Memory() { return m_memory; }
    const std::vector<std::uint8_t>& Memory() const { return m_memory; }
    const SimConfig& Config() const { return m_config; }
    SimConfig& Config() { return m_config; }
    // The requests and replies since the transcript was last taken.
    const std::vector<std::string>& Transcript() const { return m_transcript; }
    // Hands the lines over and forgets them, so that a radio serving for days keeps no history.
    std::vector<std::string> TakeTranscript();

private:
    // Length of the complete request at the front of the buffer; 0 while it is incomplete; -1 when
    // the first byte starts no request.
    int RequestLength() const;
    mox::Bytes Answer(const mox::Bytes& request);
    mox::Bytes IdentificationReply() const;
    mox::Bytes DataReply(int address, int length) const;
    mox::Bytes StoreWriteBlock(const mox::Bytes& block);
    bool AnswersGarbage(int request) const;
    void Log(char direction, const mox::Bytes& bytes, const std::string& note = {});

    SimConfig m_config;
    std::vector<std::uint8_t> m_memory;
    mox::Bytes m_pending;
    std::vector<std::string> m_transcript;
    int m_requestCount = 0;
    bool m_programMode = false;
    bool m_vanished = false;
};

// Random bytes in place of a reply of `length` bytes (of a few bytes where the radio would stay
// silent), the same for the same request number. They never begin as any reply of the radio does, so
// they cannot pass for one.
mox::Bytes GarbageReply(int request, std::size_t length);

// Checksum of a data reply or write block: address high, address low, length and data, modulo 256.
std::uint8_t BlockChecksum(const mox::Bytes& packet);

}  // namespace mox::sim
