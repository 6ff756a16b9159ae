#include <gmock/gmock.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "image/ImageFixture.h"
#include "image/ImageLayout.h"
#include "image/Models.h"
#include "image/RadioImagePacking.h"

namespace mox::test {
namespace {

constexpr int kRuns = 200;

// Random records and images of the kind the program itself produces: frequencies of eight digits,
// values in their ranges, texts the editors admit.
class RoundTrip : public ImageFixture {
protected:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    std::string Digits(int count, int highestNibble) {
        std::string text;
        for (int i = 0; i < count; ++i)
            text += "0123456789ABCDEF"[Pick(0, highestNibble)];
        return text;
    }
    void Texts(DtmfCode& code, int count) {
        code.Count = static_cast<std::int16_t>(count);
        SetFixedText(code.Digits, Digits(count, 13));
    }

    void RandomChannel(int number) {
        const int rx = Pick(10000000, 99999999);
        const int tx = std::clamp(rx + Pick(-9999999, 9999999), 10000000, 99999999);
        ChannelRecord& r = Add(number, std::to_string(rx));
        r.ShiftDirection = static_cast<std::uint8_t>(tx == rx ? 0 : tx < rx ? 1 : 2);
        SetFixedText(r.ShiftDigits, std::to_string(10000000 + std::abs(tx - rx)).substr(1));
        r.RxTone = static_cast<std::int16_t>(Pick(0, 282));
        r.TxTone = static_cast<std::int16_t>(Pick(0, 282));
        for (const BitField<ChannelRecord>& field : ChannelSlotFields()) {
            if (field.Unpacked)
                field.Set(r, Pick(0, field.Mask()));
        }
        r.ScanSkip = static_cast<std::int16_t>(Pick(0, 1));
    }

    void RandomData() {
        state.Data = RadioData{};
        std::vector<int> numbers(128);
        std::iota(numbers.begin(), numbers.end(), 1);
        std::shuffle(numbers.begin(), numbers.end(), random);
        for (int i = Pick(0, 128); i > 0; --i)
            RandomChannel(numbers[i - 1]);
        for (const BitField<RadioRecords>& field : FunctionSettingFields())
            field.Set(state, Pick(0, field.Mask()));
        DtmfSettings& dtmf = state.Data.Functions.Dtmf;
        // Unpacking pads texts with blanks, as fixed-length texts are padded.
        for (DtmfCode* code : {&dtmf.BotCode, &dtmf.EotCode, &dtmf.StunCode, &dtmf.KillCode})
            Texts(*code, Pick(0, 16));
        for (DtmfCode& code : dtmf.AutoDial)
            Texts(code, Pick(0, 16));
        for (FixedText<16>& line : state.Data.Functions.Message.Lines)
            SetFixedText(line, Pick(0, 1) ? "" : "A B" + Digits(Pick(0, 13), 15));
        dtmf.IdLength = static_cast<std::int16_t>(Pick(3, 10));
        SetFixedText(dtmf.IdCode, Digits(dtmf.IdLength, 13));
        SetFixedText(state.Data.TestFrequencies[Pick(0, 10)].First, "1" + Digits(7, 9));
        SetBandLimits(state.Model, BandName(BandCodes()[Pick(0, 16)]));
    }

    void Put(int address, std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            state.Image[address + i] = static_cast<std::uint8_t>(value >> (8 * (bytes - 1 - i)));
    }

    void RandomSlot(int slot) {
        const int base = slot * 16;
        const int rx = Pick(10000000, 99999999);
        const int tx = std::clamp(rx + Pick(-9999999, 9999999), 10000000, 99999999);
        Put(base, rx, 4);
        Put(base + 4, tx, 4);
        Put(base + 10, Pick(0, 0x7F) << 16 | Pick(0, 0x7F) << 8 | Pick(0, 255), 3);
        Put(base + 13, Pick(0, 0xFFFF) << 8 | (tx == rx ? 0x00 : tx < rx ? 0x10 : 0x20), 3);
        for (int i = 0; i < 2; ++i) {
            const int tone = Pick(0, 282);
            state.Image[base + 8 + i] = static_cast<std::uint8_t>(tone > 166 ? tone - 116 : tone);
            state.Image[base + 10 + i] |= tone > 166 ? 0x80 : 0;
        }
        state.Image[2048 + slot / 8] &= static_cast<std::uint8_t>(~(1 << slot % 8));
        state.Image[2064 + slot / 8] &= static_cast<std::uint8_t>(~(Pick(0, 1) << slot % 8));
    }

    void RandomFunctionBytes() {
        for (int a = 2096; a <= 2136; ++a)
            state.Image[a] = a == 2105 ? 0xFF : static_cast<std::uint8_t>(Pick(0, 255));
        // Bits no field owns are written 0.
        for (auto [address, mask] :
             {std::pair{2096, 0xF0}, {2099, 0xF0}, {2112, 0xF7}, {2126, 0xB0}, {2127, 0x0F}, {2129, 0x1F}})
            state.Image[address] &= static_cast<std::uint8_t>(mask);
        const int idLength = Pick(3, 10);
        const std::string id = Digits(idLength, 13) + std::string(10 - idLength, '0');
        for (int i = 0; i < 5; ++i)
            state.Image[2144 + i] = static_cast<std::uint8_t>(std::stoi(id.substr(2 * i, 2), nullptr, 16));
        state.Image[2152] = static_cast<std::uint8_t>(idLength);
        for (int slot = 2240; slot < 2560; slot += 16) {
            const int count = Pick(0, 16);
            for (int i = 0; i < count; i += 2)
                state.Image[slot + i / 2] =
                    static_cast<std::uint8_t>(Pick(0, 15) << 4 | (i + 1 < count ? Pick(0, 15) : 0));
            state.Image[slot + 8] = static_cast<std::uint8_t>(count);
        }
        const std::string line = "A" + Digits(Pick(0, 14), 15);
        std::fill_n(&state.Image[2688], 64, 0x00);
        std::copy(line.begin(), line.end(), &state.Image[2688 + 16 * Pick(0, 3)]);
    }

    void RandomImage() {
        state.Image.fill(0xFF);
        for (int slot = 0; slot < 128; ++slot) {
            if (Pick(0, 1))
                RandomSlot(slot);
        }
        RandomFunctionBytes();
        for (int a = 2560; a < 2688; a += 4) {
            if (Pick(0, 1))
                Put(a, 0x10000000 | Pick(0, 0x9999999), 4);
        }
        for (int a = 2752; a < 2816; ++a)
            state.Image[a] = static_cast<std::uint8_t>(Pick(0, 255));
        std::fill_n(&state.Image[2816], 7, 0x00);
        std::copy_n(Pick(0, 1) ? "RB516" : "RB516G", 5, &state.Image[2816]);
        state.Image[2823] = static_cast<std::uint8_t>(BandCodes()[Pick(0, 16)]);
        std::copy_n("V200", 4, &state.Image[2824]);
        Put(2828, Pick(0, 0x7FFFFFFF), 4);
    }

    std::mt19937 random{20240517};
};

TEST_F(RoundTrip, PackUnpackPackGivesTheSameImageAndRecords) {
    for (int run = 0; run < kRuns; ++run) {
        RandomData();
        ASSERT_TRUE(PackRadioImage(state, state).Ok);
        const RadioImage first = state.Image;
        const RadioData before = state.Data;
        UnpackRadioImage(state, state);
        ASSERT_EQ(state.Data.Functions, before.Functions) << run;
        ASSERT_EQ(state.Data.Channels.Count, before.Channels.Count) << run;
        for (int i = 0; i < before.Channels.Count; ++i) {
            const ChannelRecord* r = FindChannel(state.Data.Channels, before.Channels.Records[i].Number);
            ASSERT_NE(r, nullptr);
            ASSERT_EQ(*r, before.Channels.Records[i]) << run;
        }
        ASSERT_TRUE(PackRadioImage(state, state).Ok);
        ASSERT_EQ(state.Image, first) << run;
    }
}

TEST_F(RoundTrip, UnpackThenPackGivesBackTheImage) {
    for (int run = 0; run < kRuns; ++run) {
        RandomImage();
        const RadioImage read = state.Image;
        UnpackRadioImage(state, state);
        ASSERT_TRUE(PackRadioImage(state, state).Ok);
        const auto differ = std::mismatch(read.begin(), read.end(), state.Image.begin());
        ASSERT_EQ(differ.first, read.end()) << "run " << run << " address " << differ.first - read.begin();
    }
}

}  // namespace
}  // namespace mox::test
