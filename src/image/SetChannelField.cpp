#include "image/SetChannelField.h"

#include <charconv>
#include <cstdint>

#include "codecs/Frequency.h"
#include "codecs/Tones.h"
#include "image/ChannelTable.h"

namespace mox {

namespace {

constexpr int kRxColumn = 1;
constexpr int kTxColumn = 2;
constexpr int kRxToneColumn = 4;
constexpr int kTxToneColumn = 5;
constexpr int kOptionalSignallingColumn = 8;

// The columns that take a number, the field each sets and the values the field can hold. A value
// outside them (only a damaged caller could send one) changes nothing.
struct NumericColumn {
    int Column;
    std::int16_t ChannelRecord::*Field;
    int Min;
    int Max;
};

using C = ChannelRecord;

constexpr NumericColumn kNumericColumns[] = {
    {kRxToneColumn, &C::RxTone, 0, kToneCount - 1},
    {kTxToneColumn, &C::TxTone, 0, kToneCount - 1},
    {6, &C::TxPower, 0, 3},
    {7, &C::ScanSkip, 0, 1},
    {kOptionalSignallingColumn, &C::OptionalSignalling, 0, 3},
    {9, &C::Spacing, 0, 3},
    {10, &C::PttId, 0, 3},
    {11, &C::BusyLock, 0, 3},
    {12, &C::ReverseOrTalkaround, 0, 1},
    {13, &C::AutoDial1, 0, 16},
    {14, &C::VoiceScramble, 0, 1},
    {15, &C::TxInhibit, 0, 1},
    {16, &C::Talkaround, 0, 1},
    {17, &C::Reverse, 0, 1},
    {18, &C::Whisper, 0, 1},
    {19, &C::Compander, 0, 1},
    {21, &C::SignallingRelation, 0, 1},
    {22, &C::AutoDial2, 0, 16},
};

void RevalidateReferences(const ChannelFieldContext& edit) {
    RevalidateChannelReferences(edit.Data);
    edit.Redraw.ChannelReferencesChanged();
}

void StoreShift(ChannelRecord& record, const std::string& shiftDigits, int direction) {
    SetFixedText(record.ShiftDigits, shiftDigits);
    record.ShiftDirection = static_cast<std::uint8_t>(direction);
}

std::string RxDigitsOf(const ChannelRecord& record) {
    return CutFixedText(record.RxDigits);
}
std::string ShiftDigitsOf(const ChannelRecord& record) {
    return CutFixedText(record.ShiftDigits);
}

std::string ShownTx(const ChannelFieldContext& edit, const ChannelRecord& record) {
    return TxDisplay(edit.Model, edit.Say, RxDigitsOf(record), ShiftDigitsOf(record), record.ShiftDirection,
                     edit.ShowTxAsShift);
}

void CreateChannel(const ChannelFieldContext& edit, int number, int column, const std::string& text) {
    if (column != kRxColumn || text.empty())
        return;
    ChannelRecord* record = AppendDefaultChannel(edit.Data.Channels, edit.Model, number, text);
    if (record == nullptr)
        return;
    SettleStepClasses(edit.Model, edit.Say, *record);
    RevalidateReferences(edit);
}

// A new RX keeps the TX frequency (or the shift, while the shift is shown); a TX pushed out of the
// band by it is pulled back to the band limit.
void ChangeRx(const ChannelFieldContext& edit, ChannelRecord& record, const std::string& text) {
    const ModelState& model = edit.Model;
    const std::string oldShift = ShiftDigitsOf(record);
    const std::string oldTx = ShownTx(edit, record);
    const std::string rx = TextToDigits(model, text);
    SetFixedText(record.RxDigits, rx);
    int direction = record.ShiftDirection;
    std::string shift = ComputeShift(model, edit.Say, rx, oldTx, edit.ShowTxAsShift, oldShift, direction);
    const std::string tx =
        ClampToBand(model, edit.Say, TxDisplay(model, edit.Say, rx, shift, direction, false), true);
    shift = ComputeShift(model, edit.Say, rx, tx, false, shift, direction);
    StoreShift(record, shift, direction);
    SettleStepClasses(model, edit.Say, record);
}

void ChangeRxColumn(const ChannelFieldContext& edit, int index, const std::string& text) {
    ChannelTable& table = edit.Data.Channels;
    ChannelRecord& record = table.Records[index];
    if (text.empty()) {
        if (UsedChannelCount(table) > 1)
            DeleteChannelAt(table, index);
    } else if (text != DigitsToDisplay(edit.Model, edit.Say, RxDigitsOf(record))) {
        ChangeRx(edit, record, text);
    }
    RevalidateReferences(edit);
}

// A typed shift is not clamped as text, but the TX it gives must stay in the band like every other
// TX: one that leaves it (a shift of 100 MHz or more always does) is pulled back to the band limit
// with the band warning.
void KeepShiftedTxInBand(const ChannelFieldContext& edit, const std::string& rx, std::string& shift,
                         int& direction) {
    const std::string tx = TxDisplay(edit.Model, edit.Say, rx, shift, direction, false);
    if (ClampToBand(edit.Model, edit.Say, tx, false) == tx)
        return;
    shift = ComputeShift(edit.Model, edit.Say, rx, ClampToBand(edit.Model, edit.Say, tx, true), false, shift,
                         direction);
}

void ChangeTxColumn(const ChannelFieldContext& edit, ChannelRecord& record, const std::string& text) {
    if (text == ShownTx(edit, record))
        return;
    const std::string rx = RxDigitsOf(record);
    int direction = record.ShiftDirection;
    std::string shift =
        ComputeShift(edit.Model, edit.Say, rx, text, edit.ShowTxAsShift, ShiftDigitsOf(record), direction);
    if (edit.ShowTxAsShift)
        KeepShiftedTxInBand(edit, rx, shift, direction);
    StoreShift(record, shift, direction);
    SettleStepClasses(edit.Model, edit.Say, record);
}

// The tone rules: when both tones were off, choosing one sets the other too; lockout 2 needs the
// receive tone.
void SetNumericField(ChannelRecord& record, const NumericColumn& column, int value) {
    const bool bothTonesOff = record.RxTone == 0 && record.TxTone == 0;
    record.*column.Field = static_cast<std::int16_t>(value);
    if (column.Column == kRxToneColumn) {
        if (value == 0 && record.BusyLock == 2)
            record.BusyLock = 1;
        if (bothTonesOff)
            record.TxTone = static_cast<std::int16_t>(value);
    } else if (column.Column == kTxToneColumn) {
        if (bothTonesOff)
            record.RxTone = static_cast<std::int16_t>(value);
    } else if (column.Column == kOptionalSignallingColumn) {
        if (record.RxTone == 0 && record.BusyLock > 1)
            record.BusyLock = 1;
    }
}

void ChangeNumericColumn(ChannelRecord& record, int column, const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return;
    for (const NumericColumn& numeric : kNumericColumns) {
        if (numeric.Column == column && value >= numeric.Min && value <= numeric.Max)
            SetNumericField(record, numeric, value);
    }
}

}  // namespace

void SetChannelField(const ChannelFieldContext& edit, int number, int column, const std::string& value) {
    if (number < 1 || number > kChannelCapacity)
        return;
    std::string text = value;
    const bool txIsFrequency = column == kTxColumn && !edit.ShowTxAsShift;
    if (!text.empty() && (column == kRxColumn || txIsFrequency))
        text = ClampToBand(edit.Model, edit.Say, text, true);

    ChannelTable& table = edit.Data.Channels;
    const int index = FindChannelIndex(table, number);
    if (index < 0)
        CreateChannel(edit, number, column, text);
    else if (column == kRxColumn)
        ChangeRxColumn(edit, index, text);
    else if (column == kTxColumn)
        ChangeTxColumn(edit, table.Records[index], text);
    else
        ChangeNumericColumn(table.Records[index], column, text);
    edit.Redraw.ChannelChanged(number);
}

}  // namespace mox
