#include "channels/ChannelGrid.h"

#include "codecs/Frequency.h"
#include "codecs/Tones.h"

namespace mox {

namespace {

constexpr int kFirstTitle = 14001;   // column 0; column c is titled 14001 + c
constexpr int kShiftTitle = 14100;   // the TX column while it shows the shift
constexpr int kNoneText = 14013;     // no tone, no signalling
constexpr int kGroupText = 14050;    // "Group"
constexpr int kChannelText = 14012;  // "[CH"

struct ListColumn {
    int Column;
    std::vector<int> Texts;
};

const ListColumn kListColumns[] = {
    {GridColumn::Power, {14014, 14015, 14016}},    // texts: low, mid, high
    {GridColumn::Skip, {14017, 14018}},            // texts: add, skip
    {GridColumn::Signalling, {kNoneText, 14019}},  // texts: off, DTMF
    {GridColumn::Spacing, {14020, 14021, 14022}},  // texts: 12.5, 20, 25 kHz
};

}  // namespace

int GridChannelNumber(int group, int row) {
    return kPositionsPerGroup * group + row;
}

int GridColumnTitle(int column, bool showTxAsShift) {
    return column == GridColumn::Tx && showTxAsShift ? kShiftTitle : kFirstTitle + column;
}

GridLists GridListEntries(const TextOf& text) {
    GridLists lists;
    lists[GridColumn::RxTone] = ToneListTexts(text(kNoneText));
    lists[GridColumn::TxTone] = lists[GridColumn::RxTone];
    for (const ListColumn& list : kListColumns) {
        for (int number : list.Texts)
            lists[list.Column].push_back(text(number));
    }
    return lists;
}

const std::string& ListEntryText(const std::vector<std::string>& entries, int value) {
    static const std::string kNothing;
    if (entries.empty())
        return kNothing;
    if (value < 0 || value >= static_cast<int>(entries.size()))
        return entries.front();
    return entries[static_cast<std::size_t>(value)];
}

GridRowTexts ChannelRowTexts(const ModelState& model, const Messages& messages, const ChannelRecord* record,
                             const GridLists& lists, bool showShift) {
    GridRowTexts row;
    if (record == nullptr)
        return row;
    const std::string rx = CutFixedText(record->RxDigits);
    row[GridColumn::Rx] = DigitsToDisplay(model, messages, rx);
    row[GridColumn::Tx] =
        TxDisplay(model, messages, rx, CutFixedText(record->ShiftDigits), record->ShiftDirection, showShift);
    const std::pair<int, int> fields[] = {
        {GridColumn::RxTone, record->RxTone},
        {GridColumn::TxTone, record->TxTone},
        {GridColumn::Power, record->TxPower},
        {GridColumn::Skip, record->ScanSkip},
        {GridColumn::Signalling, record->OptionalSignalling},
        {GridColumn::Spacing, record->Spacing},
    };
    for (const auto& [column, value] : fields)
        row[column] = ListEntryText(lists[column], value);
    return row;
}

std::string GridCaption(const TextOf& text, int group, int row) {
    return text(kGroupText) + " " + std::to_string(group + 1) + " --- " + text(kChannelText) + " " +
           std::to_string(row) + "]";
}

}  // namespace mox
