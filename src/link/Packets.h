#pragma once

// The packets of the radio's programming protocol, byte for byte. Addresses are big-endian.

#include <cstdint>
#include <optional>

#include "link/SerialPort.h"

namespace mox {

constexpr std::uint8_t kAck = 0x06;
constexpr std::uint8_t kResend = 0x0A;
constexpr int kPasswordBlockAddress = 2864;
constexpr int kFactoryTestBlockAddress = 8176;
constexpr int kDataBlockLength = 16;

// Reply lengths the receive threshold waits for.
constexpr std::size_t kProgramAckLength = 3;
constexpr std::size_t kIdentificationLength = 16;
constexpr std::size_t kDataReplyLength = kDataBlockLength + 6;
constexpr std::size_t kAckLength = 1;

Bytes ProgramRequest();
Bytes IdentifyRequest();
Bytes ReadRequest(int address);
Bytes WriteBlock(int address, const std::uint8_t* data16);
Bytes EndRequest();

// Address high, address low, length and data, modulo 256: bytes 1 .. size - 3 of a data packet.
std::uint8_t PacketChecksum(const Bytes& packet);

bool IsAck(const Bytes& reply);
bool IsResend(const Bytes& reply);
bool IsProgramAck(const Bytes& reply);
bool IsIdentification(const Bytes& reply);

// A data reply that is whole and whose checksum is right: "W", address, length n, n bytes, checksum, 06.
struct DataReply {
    int Address = 0;
    Bytes Data;
};
std::optional<DataReply> ParseDataReply(const Bytes& reply);

}  // namespace mox
