#include "image/ImageAreas.h"

#include <array>

#include "image/ImageLayout.h"

namespace mox {

namespace {

// A run of addresses made of `SlotSize`-byte slots (SlotSize 0: one area) named by one text.
struct AreaRun {
    int First;
    int Last;
    int Text;
    int SlotSize;
};

constexpr int kChannelText = 31740;
constexpr int kUnusedText = 31741;

constexpr std::array<AreaRun, 25> kAreas{{
    {0, 2047, kChannelText, kChannelSlotSize},
    {2048, 2063, 31742, 0},  // channel presence map
    {2064, 2079, 31743, 0},  // scan-skip map
    {2080, 2095, kUnusedText, 0},
    {2096, 2104, 31744, 0},  // optional features
    {2105, 2105, kUnusedText, 0},
    {2106, 2111, 31745, 0},  // keys
    {2112, 2120, 31746, 0},  // scan
    {2121, 2128, 31747, 0},  // DTMF timing and options
    {2129, 2136, 31748, 0},  // emergency alert
    {2137, 2143, kUnusedText, 0},
    {2144, 2148, 31749, 0},  // DTMF ID code
    {2149, 2151, kUnusedText, 0},
    {2152, 2152, 31750, 0},  // DTMF ID code length
    {2153, 2239, kUnusedText, 0},
    {2240, 2303, 31751, kDtmfSlotSize},  // BOT, EOT, stun, kill
    {2304, 2559, 31752, kDtmfSlotSize},  // auto-dial memories
    {2560, 2687, 31753, kTestFrequencyPairSize},
    {2688, 2751, 31754, kMessageLineSize},
    {2752, 2815, kUnusedText, 0},
    {2816, 2822, 31755, 0},  // model code
    {2823, 2823, 31756, 0},  // band code
    {2824, 2827, 31757, 0},  // version tag
    {2828, 2828, 31758, 0},  // feature flags
    {2829, 2831, kUnusedText, 0},
}};

// The field of each byte of a channel slot.
constexpr std::array<int, kChannelSlotSize> kChannelByteTexts{
    31760, 31760, 31760, 31760,  // RX frequency
    31761, 31761, 31761, 31761,  // TX frequency
    31762, 31763,                // RX tone, TX tone
    31764, 31765, 31766,         // the three bytes of channel options
    31767, 31767,                // auto-dial memories
    31768,                       // shift direction
};

}  // namespace

ImageArea ImageAreaOf(int address) {
    for (const AreaRun& run : kAreas) {
        if (address < run.First || address > run.Last)
            continue;
        ImageArea area{run.Text, 0, 0};
        if (run.SlotSize == 0)
            return area;
        const int offset = address - run.First;
        area.Index = offset / run.SlotSize + 1;
        if (run.Text == kChannelText)
            area.FieldText = kChannelByteTexts[static_cast<std::size_t>(offset % run.SlotSize)];
        return area;
    }
    return {};
}

}  // namespace mox
