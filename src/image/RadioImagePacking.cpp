#include "image/RadioImagePacking.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "codecs/Frequency.h"
#include "image/ChannelPacking.h"
#include "image/ChannelTable.h"
#include "image/FunctionPacking.h"
#include "image/ImageLayout.h"
#include "image/Models.h"

namespace mox {

namespace {

constexpr char kVersionTag[] = "V200";
constexpr int kDataTestPairs = 11;  // pairs 0..10 belong to RadioData, 11..15 are the five-point pairs

// Every channel in use must be writable and have a slot of its own; nothing is packed otherwise, so
// the caller can refuse the write before any block is sent.
PackResult CheckChannels(AppState& state) {
    const ChannelTable& table = state.Data.Channels;
    if (table.Count < 0 || table.Count > kChannelCapacity)
        return {false, 0};
    std::array<bool, kChannelCapacity + 1> taken{};
    for (int i = 0; i < table.Count; ++i) {
        const ChannelRecord& record = table.Records[i];
        if (!IsPackableChannel(state, record) || taken[record.Number])
            return {false, record.Number};
        taken[record.Number] = true;
    }
    return {};
}

TestFrequencyPair& TestPair(AppState& state, int k) {
    return k < kDataTestPairs ? state.Data.TestFrequencies[k] : state.FivePoints[k - kDataTestPairs];
}

// An empty field is written as no frequency (FF FF FF FF), a shorter one padded on the right with "0";
// bytes 00 00 00 00 read back as no frequency.
std::string_view FieldText(const FixedText<8>& field) {
    return {field.data(), field.size()};
}

// Image bytes 0..3 of a pair hold the second field, bytes 4..7 the first.
void PackTestFrequencies(AppState& state) {
    for (int k = 0; k < kTestFrequencyPairCount; ++k) {
        const TestFrequencyPair& pair = TestPair(state, k);
        std::uint8_t* out = &state.Image[kTestFrequencyAddress + kTestFrequencyPairSize * k];
        BcdDigitsToImage(FieldText(pair.Second), out);
        BcdDigitsToImage(FieldText(pair.First), out + 4);
    }
}

void UnpackTestFrequencies(AppState& state) {
    for (int k = 0; k < kTestFrequencyPairCount; ++k) {
        TestFrequencyPair& pair = TestPair(state, k);
        const std::uint8_t* in = &state.Image[kTestFrequencyAddress + kTestFrequencyPairSize * k];
        SetFixedText(pair.Second, ImageToBcdDigits(in));
        SetFixedText(pair.First, ImageToBcdDigits(in + 4));
    }
}

void PackModelBlock(AppState& state) {
    ModelRecord& model = state.Data.Model;
    SyncModelRecord(state.Model, model);
    const std::string code = CutFixedText(model.ModelCode);
    for (int i = 0; i < kModelCodeSize; ++i)
        state.Image[kModelCodeAddress + i] = i < static_cast<int>(code.size()) ? code[i] : 0x00;
    state.Image[kBandCodeAddress] = static_cast<std::uint8_t>(model.BandCode);
    std::copy_n(kVersionTag, 4, &state.Image[kVersionTagAddress]);
}

void UnpackModelBlock(AppState& state) {
    ModelRecord& model = state.Data.Model;
    std::string code;
    for (int i = 0; i < kModelCodeSize; ++i) {
        const std::uint8_t byte = state.Image[kModelCodeAddress + i];
        if (byte == 0x00 || byte == 0xFF)
            break;
        code.push_back(static_cast<char>(byte));
    }
    SetFixedTextNul(model.ModelCode, code);
    model.BandCode = state.Image[kBandCodeAddress];
    ApplyModelRecord(state.Model, model);
}

}  // namespace

void EraseRadioImage(AppState& state) {
    // The radio information read erases too; it must leave a read or packed image as it was.
    if (state.Transfer.Kind == TransferKind::ReadRadioInfo)
        return;
    state.Image.fill(0xFF);
}

PackResult PackRadioImage(AppState& state) {
    const PackResult check = CheckChannels(state);
    if (!check.Ok)
        return check;
    std::fill(state.Image.begin(), state.Image.begin() + kMessageEndAddress, 0xFF);
    ChannelTable& table = state.Data.Channels;
    for (int i = 0; i < table.Count; ++i)
        PackChannel(state, table.Records[i]);
    PackTestFrequencies(state);
    PackModelBlock(state);
    PackFunctionSettings(state);
    return check;
}

void UnpackRadioImage(AppState& state) {
    state.Data.Channels = ChannelTable{};
    for (int slot = 0; slot < kChannelCapacity; ++slot)
        UnpackChannel(state, slot);
    UnpackTestFrequencies(state);
    UnpackModelBlock(state);
    UnpackFunctionSettings(state);
}

}  // namespace mox
