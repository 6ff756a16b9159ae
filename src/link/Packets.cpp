#include "link/Packets.h"

#include <algorithm>

namespace mox {

namespace {

constexpr std::uint8_t kRead = 0x52;   // "R"
constexpr std::uint8_t kWrite = 0x57;  // "W"

std::uint8_t High(int address) {
    return static_cast<std::uint8_t>((address >> 8) & 0xFF);
}
std::uint8_t Low(int address) {
    return static_cast<std::uint8_t>(address & 0xFF);
}

}  // namespace

Bytes ProgramRequest() {
    return {'P', 'R', 'O', 'G', 'R', 'A', 'M'};
}

Bytes IdentifyRequest() {
    return {0x02};
}

Bytes ReadRequest(int address) {
    return {kRead, High(address), Low(address), kDataBlockLength};
}

Bytes WriteBlock(int address, const std::uint8_t* data16) {
    // Sized once and filled in place: one allocation per block.
    Bytes packet(4 + kDataBlockLength + 2);
    packet[0] = kWrite;
    packet[1] = High(address);
    packet[2] = Low(address);
    packet[3] = kDataBlockLength;
    std::copy(data16, data16 + kDataBlockLength, packet.begin() + 4);
    packet.back() = kAck;
    packet[packet.size() - 2] = PacketChecksum(packet);
    return packet;
}

Bytes EndRequest() {
    return {'E', 'N', 'D'};
}

std::uint8_t PacketChecksum(const Bytes& packet) {
    unsigned sum = 0;
    for (std::size_t i = 1; i + 2 < packet.size(); ++i)
        sum += packet[i];
    return static_cast<std::uint8_t>(sum & 0xFF);
}

bool IsAck(const Bytes& reply) {
    return reply == Bytes{kAck};
}

bool IsResend(const Bytes& reply) {
    return reply == Bytes{kResend};
}

bool IsProgramAck(const Bytes& reply) {
    return reply == Bytes{'R', 'B', kAck};
}

bool IsIdentification(const Bytes& reply) {
    return reply.size() == kIdentificationLength && reply.front() == 'P' && reply.back() == kAck;
}

std::optional<DataReply> ParseDataReply(const Bytes& reply) {
    if (reply.size() < 6 || reply.front() != kWrite || reply.back() != kAck)
        return std::nullopt;
    const std::size_t length = reply[3];
    if (reply.size() != length + 6 || reply[reply.size() - 2] != PacketChecksum(reply))
        return std::nullopt;
    DataReply parsed;
    parsed.Address = reply[1] * 256 + reply[2];
    parsed.Data.assign(reply.begin() + 4, reply.begin() + 4 + static_cast<std::ptrdiff_t>(length));
    return parsed;
}

}  // namespace mox
