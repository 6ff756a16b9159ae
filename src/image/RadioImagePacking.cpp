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
PackResult CheckChannels(const RadioRecords& radio, const Messages& messages) {
    const ChannelTable& table = radio.Data.Channels;
    if (table.Count < 0 || table.Count > kChannelCapacity)
        return {false, 0};
    std::array<bool, kChannelCapacity + 1> taken{};
    for (int i = 0; i < table.Count; ++i) {
        const ChannelRecord& record = table.Records[i];
        if (!IsPackableChannel(radio.Model, messages, record) || taken[record.Number])
            return {false, record.Number};
        taken[record.Number] = true;
    }
    return {};
}

TestFrequencyPair& TestPair(RadioRecords& radio, int k) {
    return k < kDataTestPairs ? radio.Data.TestFrequencies[k] : radio.FivePoints[k - kDataTestPairs];
}

// An empty field is written as no frequency (FF FF FF FF), a shorter one padded on the right with "0";
// bytes 00 00 00 00 read back as no frequency.
std::string_view FieldText(const FixedText<8>& field) {
    return {field.data(), field.size()};
}

// Image bytes 0..3 of a pair hold the second field, bytes 4..7 the first.
void PackTestFrequencies(RadioRecords& radio) {
    for (int k = 0; k < kTestFrequencyPairCount; ++k) {
        const TestFrequencyPair& pair = TestPair(radio, k);
        std::uint8_t* out = &radio.Image[kTestFrequencyAddress + kTestFrequencyPairSize * k];
        BcdDigitsToImage(FieldText(pair.Second), out);
        BcdDigitsToImage(FieldText(pair.First), out + 4);
    }
}

void UnpackTestFrequencies(RadioRecords& radio) {
    for (int k = 0; k < kTestFrequencyPairCount; ++k) {
        TestFrequencyPair& pair = TestPair(radio, k);
        const std::uint8_t* in = &radio.Image[kTestFrequencyAddress + kTestFrequencyPairSize * k];
        SetFixedText(pair.Second, ImageToBcdDigits(in));
        SetFixedText(pair.First, ImageToBcdDigits(in + 4));
    }
}

void PackModelBlock(RadioRecords& radio) {
    ModelRecord& model = radio.Data.Model;
    SyncModelRecord(radio.Model, model);
    const std::string code = CutFixedText(model.ModelCode);
    for (int i = 0; i < kModelCodeSize; ++i)
        radio.Image[kModelCodeAddress + i] = i < static_cast<int>(code.size()) ? code[i] : 0x00;
    radio.Image[kBandCodeAddress] = static_cast<std::uint8_t>(model.BandCode);
    std::copy_n(kVersionTag, 4, &radio.Image[kVersionTagAddress]);
}

void UnpackModelBlock(RadioRecords& radio) {
    ModelRecord& model = radio.Data.Model;
    std::string code;
    for (int i = 0; i < kModelCodeSize; ++i) {
        const std::uint8_t byte = radio.Image[kModelCodeAddress + i];
        if (byte == 0x00 || byte == 0xFF)
            break;
        code.push_back(static_cast<char>(byte));
    }
    SetFixedTextNul(model.ModelCode, code);
    model.BandCode = radio.Image[kBandCodeAddress];
    ApplyModelRecord(radio.Model, model);
}

}  // namespace

void EraseRadioImage(RadioImage& image, bool radioInfoReadRuns) {
    // The radio information read erases too; it must leave a read or packed image as it was.
    if (radioInfoReadRuns)
        return;
    image.fill(0xFF);
}

PackResult PackRadioImage(RadioRecords& radio, const Messages& messages) {
    const PackResult check = CheckChannels(radio, messages);
    if (!check.Ok)
        return check;
    std::fill(radio.Image.begin(), radio.Image.begin() + kMessageEndAddress, 0xFF);
    ChannelTable& table = radio.Data.Channels;
    for (int i = 0; i < table.Count; ++i)
        PackChannel(radio.Model, messages, table.Records[i], radio.Image);
    PackTestFrequencies(radio);
    PackModelBlock(radio);
    PackFunctionSettings(radio);
    return check;
}

void UnpackRadioImage(RadioRecords& radio, const Messages& messages) {
    radio.Data.Channels = ChannelTable{};
    for (int slot = 0; slot < kChannelCapacity; ++slot)
        UnpackChannel(radio.Model, messages, radio.Image, radio.Data.Channels, slot);
    UnpackTestFrequencies(radio);
    UnpackModelBlock(radio);
    UnpackFunctionSettings(radio);
}

}  // namespace mox
