#include "channels/BatchSetup.h"

#include <algorithm>
#include <memory>
#include <random>

#include "channels/BatchFieldChecks.h"
#include "codecs/DecimalText.h"
#include "codecs/Frequency.h"
#include "codecs/Tones.h"
#include "image/ChannelTable.h"

namespace mox {

namespace {

// A kHz text reads in hundred-thousandths; a unit of 10 Hz is a hundredth of a kHz.
constexpr std::int64_t kReadUnitsPerStepUnit = 1000;

// Items 6 to 21 in the order Apply sets them; the busy lock comes last on its own.
constexpr int kFixedValueOrder[] = {
    kBatchTxPower,   kBatchOptionalSignalling, kBatchPttId,     kBatchSpacing,  kBatchReverseOrTalkaround,
    kBatchAutoDial1, kBatchSignallingRelation, kBatchAutoDial2, kBatchScanSkip, kBatchVoiceScramble,
    kBatchTxInhibit, kBatchTalkaround,         kBatchReverse,   kBatchWhisper,  kBatchCompander,
};

bool Selected(const BatchItemSelection& items, int item) {
    return IsBatchItemSelected(items, item);
}

std::int64_t FrequencyUnits(const std::string& checkedText) {
    return ParseUnits(checkedText).value_or(UnitValue{}).Rounded();
}

std::int64_t StepUnits(const std::string& checkedStep) {
    return FrequencyUnits(checkedStep) / kReadUnitsPerStepUnit;
}

// An interval modulo the length of the tone list, exact however long the number is: a field of
// digits is reduced digit by digit, any other number by its integer part.
int IntervalModulo(const std::string& interval) {
    std::string_view text = interval;
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    int rest = 0;
    if (!text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        for (char c : text)
            rest = (rest * 10 + (c - '0')) % kToneCount;
    } else {
        const std::int64_t whole = ParseUnits(interval).value_or(UnitValue{}).Truncated() / kUnitsPerMHz;
        rest = static_cast<int>((whole < 0 ? -whole : whole) % kToneCount);
    }
    return negative ? (kToneCount - rest) % kToneCount : rest;
}

// The tone of the k-th channel of the range: drawn, or stepped from the start and wrapped into the
// list.
std::int16_t ToneOf(const BatchToneFields& tone, int k, const ToneDraw& draw) {
    if (tone.Random)
        return static_cast<std::int16_t>(std::clamp(draw(), 0, kToneCount - 1));
    const int start = std::clamp(tone.Start, 0, kToneCount - 1);
    const int step = k * IntervalModulo(tone.Interval) % kToneCount;
    const int index = tone.Decrease ? start - step : start + step;
    return static_cast<std::int16_t>((index % kToneCount + kToneCount) % kToneCount);
}

std::string InBand(const BatchTarget& target, std::int64_t units) {
    return ClampToBand(target.Model, target.Say, FormatUnits(units), false);
}

// The receive frequency of the k-th channel; creates the channel when it does not exist. Returns the
// channel, or nullptr when it could not be created (a damaged list that is full).
ChannelRecord* SetRxFrequency(const BatchFields& fields, const BatchTarget& target, int number, int k) {
    const std::int64_t step = k * StepUnits(fields.RxStep);
    const std::int64_t rx = FrequencyUnits(fields.RxStart) + (fields.RxDecrease ? -step : step);
    const std::string text = InBand(target, rx);
    ChannelRecord* channel = FindChannel(target.Channels, number);
    if (channel == nullptr)
        channel = AppendDefaultChannel(target.Channels, target.Model, number, text);
    else
        SetFixedText(channel->RxDigits, TextToDigits(target.Model, text));
    if (channel != nullptr)
        SettleStepClasses(target.Model, target.Say, *channel);
    return channel;
}

void SetTxFrequency(const BatchFields& fields, const BatchTarget& target, ChannelRecord& channel, int k) {
    if (fields.TxMode == BatchTxMode::Default) {
        channel.ShiftDirection = 0;
        SetFixedText(channel.ShiftDigits, "0000000");
    } else {
        // A channel whose receive digits are damaged has no frequency to count from.
        const std::optional<std::int64_t> rx = DigitsToUnits(CutFixedText(channel.RxDigits));
        if (!rx)
            return;
        std::int64_t tx = 0;
        if (fields.TxMode == BatchTxMode::Offset) {
            const std::int64_t offset = FrequencyUnits(fields.TxOffset);
            tx = *rx + (fields.OffsetMinus ? -offset : offset);
        } else {
            const std::int64_t step = k * StepUnits(fields.TxStep);
            tx = FrequencyUnits(fields.TxStart) + (fields.TxDecrease ? -step : step);
        }
        const std::int64_t shift = FrequencyUnits(InBand(target, tx)) - *rx;
        channel.ShiftDirection = shift > 0 ? 2 : shift < 0 ? 1 : 0;
        SetFixedText(channel.ShiftDigits, UnitsToShiftDigits(shift < 0 ? -shift : shift));
    }
    SettleStepClasses(target.Model, target.Say, channel);
}

void SetFixedValues(const BatchFields& fields, const BatchItemSelection& items, ChannelRecord& channel) {
    for (const int item : kFixedValueOrder) {
        if (Selected(items, item))
            channel.*BatchItemOf(item).Field = static_cast<std::int16_t>(fields.Values[item]);
    }
    if (Selected(items, kBatchBusyLock)) {
        channel.BusyLock = static_cast<std::int16_t>(fields.Values[kBatchBusyLock]);
        SettleBusyLock(channel);
    }
}

void ClearOutside(ChannelTable& channels, int first, int last) {
    for (int i = UsedChannelCount(channels) - 1; i >= 0; --i) {
        const int number = channels.Records[static_cast<std::size_t>(i)].Number;
        if (number < first || number > last)
            DeleteChannelAt(channels, i);
    }
}

void ApplyToChannel(const BatchFields& fields, const BatchItemSelection& items, const BatchTarget& target,
                    int number, int k) {
    ChannelRecord* channel = Selected(items, kBatchRxFrequency) ? SetRxFrequency(fields, target, number, k)
                                                                : FindChannel(target.Channels, number);
    if (channel == nullptr)
        return;
    if (Selected(items, kBatchTxFrequency))
        SetTxFrequency(fields, target, *channel, k);
    if (Selected(items, kBatchRxTone))
        channel->RxTone = ToneOf(fields.RxTone, k, target.Draw);
    if (Selected(items, kBatchTxTone))
        channel->TxTone = fields.TxToneSameAsRx ? channel->RxTone : ToneOf(fields.TxTone, k, target.Draw);
    SetFixedValues(fields, items, *channel);
}

}  // namespace

BatchFields InitialBatchFields(const ModelState& model) {
    BatchFields fields;
    fields.RxStart = FormatUnits(LimitToUnits(model.LowerLimit));
    fields.TxStart = fields.RxStart;
    return fields;
}

BatchEnabling BatchEnablingOf(const BatchFields& fields) {
    BatchEnabling enabling;
    enabling.RangeFields = !fields.AllChannels;
    enabling.TxOffset = fields.TxMode == BatchTxMode::Offset;
    enabling.TxStart = fields.TxMode == BatchTxMode::StartFrequency;
    enabling.RxToneSteps = !fields.RxTone.Random;
    enabling.TxToneRandom = !fields.TxToneSameAsRx;
    enabling.TxToneSteps = !fields.TxToneSameAsRx && !fields.TxTone.Random;
    return enabling;
}

void CheckBatchFields(BatchFields& fields, const BatchItemSelection& items, const ModelState& model,
                      const Messages& messages) {
    if (Selected(items, kBatchRxFrequency)) {
        fields.RxStart = StepDataFre(model, messages, fields.RxStart);
        fields.RxStep = StepData(StepLimitText(fields.RxStep));
    }
    if (Selected(items, kBatchTxFrequency)) {
        if (fields.TxMode == BatchTxMode::Offset) {
            fields.TxOffset = StepDataFree(fields.TxOffset);
        } else if (fields.TxMode == BatchTxMode::StartFrequency) {
            fields.TxStart = StepDataFre(model, messages, fields.TxStart);
            fields.TxStep = StepData(StepLimitText(fields.TxStep));
        }
    }
    if (Selected(items, kBatchRxTone))
        fields.RxTone.Interval = DefaultData(fields.RxTone.Interval, "0");
    if (Selected(items, kBatchTxTone))
        fields.TxTone.Interval = DefaultData(fields.TxTone.Interval, "0");
}

std::pair<int, int> BatchRange(const BatchFields& fields) {
    if (fields.AllChannels)
        return {kBatchFirstChannel, kBatchLastChannel};
    const int from = std::stoi(RangeFieldText(fields.FromText));
    const int to = std::stoi(RangeFieldText(fields.ToText));
    return {std::min(from, to), std::max(from, to)};
}

ToneDraw UniformToneDraw(std::uint64_t seed) {
    auto generator = std::make_shared<std::mt19937_64>(seed);
    return [generator] { return std::uniform_int_distribution<int>(0, kToneCount - 1)(*generator); };
}

void ApplyBatch(BatchFields& fields, const BatchItemSelection& items, const BatchTarget& target) {
    const auto [first, last] = BatchRange(fields);
    CheckBatchFields(fields, items, target.Model, target.Say);
    // The box can only be ticked while a range is chosen.
    if (fields.ClearOutside && !fields.AllChannels)
        ClearOutside(target.Channels, first, last);
    for (int number = first; number <= last; ++number)
        ApplyToChannel(fields, items, target, number, number - first);
}

}  // namespace mox
