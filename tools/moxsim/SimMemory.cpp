#include "SimMemory.h"

#include <algorithm>
#include <string>

namespace mox::sim {
namespace {

struct SimChannel {
    int Number;
    std::uint32_t Rx;  // 10 Hz units
    std::uint32_t Tx;
    int RxTone;
    int TxTone;
    std::uint8_t Options;  // slot byte 12: spacing, signalling, compander, reverse, power
    bool ScanSkip;
};

// Enough variety to show up in every column: simplex, a repeater shift, CTCSS and DCS, skip.
const SimChannel kChannels[] = {
    {1, 43512500, 43512500, 0, 0, 0x02, false},    {2, 44600625, 44600625, 9, 9, 0x42, false},
    {3, 43000000, 43500000, 13, 13, 0x02, false},  {4, 46255000, 46255000, 60, 60, 0x01, true},
    {17, 41025000, 41025000, 200, 0, 0x00, false},
};

void PutBigEndian(std::vector<std::uint8_t>& memory, int address, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        memory[address + i] = static_cast<std::uint8_t>(value >> (24 - 8 * i));
}

void PutText(std::vector<std::uint8_t>& memory, int address, int size, const std::string& text,
             std::uint8_t pad) {
    for (int i = 0; i < size; ++i)
        memory[address + i] = i < static_cast<int>(text.size()) ? static_cast<std::uint8_t>(text[i]) : pad;
}

void ClearBit(std::vector<std::uint8_t>& memory, int mapAddress, int number) {
    memory[mapAddress + (number - 1) / 8] &= static_cast<std::uint8_t>(~(1u << ((number - 1) % 8)));
}

// A tone code above 166 is stored as a byte and a high flag in bit 7 of byte 10 (RX) or 11 (TX).
void PutTone(std::vector<std::uint8_t>& memory, int base, int slotByte, int flagByte, int code) {
    bool high = code >= 167;
    memory[base + slotByte] = static_cast<std::uint8_t>(high ? code % 166 + 50 : code);
    if (high)
        memory[base + flagByte] |= 0x80;
}

void StoreChannels(std::vector<std::uint8_t>& memory) {
    for (const SimChannel& c : kChannels) {
        int base = (c.Number - 1) * 16;
        PutBigEndian(memory, base, c.Rx);
        PutBigEndian(memory, base + 4, c.Tx);
        std::fill(memory.begin() + base + 8, memory.begin() + base + 16, 0);
        PutTone(memory, base, 8, 10, c.RxTone);
        PutTone(memory, base, 9, 11, c.TxTone);
        memory[base + 12] = c.Options;
        memory[base + 15] = c.Tx > c.Rx ? 0x20 : c.Tx < c.Rx ? 0x10 : 0x00;
        ClearBit(memory, 2048, c.Number);
        if (!c.ScanSkip)
            ClearBit(memory, 2064, c.Number);
    }
}

// The settings of a new radio: voice prompt on, tail elimination 3, long-press times 10, alarm mode
// 1, an ID of three digits and empty DTMF codes.
void StoreDefaultSettings(std::vector<std::uint8_t>& memory) {
    std::fill(memory.begin() + 2096, memory.begin() + 2105, 0);
    memory[2097] = 0x40;
    memory[2099] = 0xC0;
    std::fill(memory.begin() + 2106, memory.begin() + 2137, 0);
    memory[2106] = 10;
    memory[2107] = 10;
    memory[2129] = 0x10;
    std::fill(memory.begin() + 2144, memory.begin() + 2149, 0);
    memory[2152] = 3;
    for (int slot = 2240; slot < 2560; slot += 16)
        memory[slot + 8] = 0;
    PutText(memory, 2688, 16, "MOX-5HK", 0);
    for (int line = 1; line < 4; ++line)
        PutText(memory, 2688 + 16 * line, 16, "", 0);
}

void StoreInfoBlock(std::vector<std::uint8_t>& memory) {
    const int info = 2832;
    PutText(memory, info + 0, 4, "0595", 0xFF);
    PutText(memory, info + 16, 8, "06-1-E-1", 0xFF);
    PutText(memory, info + 32, 4, "001A", 0xFF);
    PutText(memory, info + 48, 16, "RB516A0012345", 0x00);
    PutText(memory, info + 64, 16, "2023-05-17", 0x00);
    PutText(memory, info + 80, 16, "", 0xFF);
    PutText(memory, info + 96, 96, "", 0xFF);
    PutText(memory, info + 432, 16, "HARBOUR RADIO", 0x00);
    PutText(memory, info + 448, 16, "2023-06-01", 0x00);
    PutText(memory, info + 464, 16, "2023-06-12", 0x00);
    PutText(memory, info + 480, 16, "LI WEI", 0x00);
}

void StoreCalibration(std::vector<std::uint8_t>& memory) {
    const std::uint8_t calibration[16] = {128, 200, 150, 90, 110, 95, 70, 64, 66, 68, 100, 0, 0, 0, 0, 0xA5};
    std::copy(std::begin(calibration), std::end(calibration), memory.begin() + kSimFactoryTestAddress);
}

}  // namespace

void StoreIdentity(std::vector<std::uint8_t>& memory, const SimConfig& config) {
    PutText(memory, kSimModelBlockAddress, 7, config.ModelCode, 0);
    memory[kSimModelBlockAddress + 7] = static_cast<std::uint8_t>(config.BandCode);
    PutText(memory, kSimModelBlockAddress + 8, 4, config.Version, 0);
    memory[kSimModelBlockAddress + 12] = config.FeatureByte;
}

void StorePassword(std::vector<std::uint8_t>& memory, const std::string& password) {
    PutText(memory, kSimPasswordAddress, 4, password.substr(0, 4), password.empty() ? 0xFF : 0x00);
}

std::vector<std::uint8_t> InitialSimMemory(const SimConfig& config) {
    std::vector<std::uint8_t> memory(kSimMemorySize, 0xFF);
    StoreChannels(memory);
    StoreDefaultSettings(memory);
    StoreIdentity(memory, config);
    StorePassword(memory, config.Password);
    StoreInfoBlock(memory);
    StoreCalibration(memory);
    return memory;
}

}  // namespace mox::sim
