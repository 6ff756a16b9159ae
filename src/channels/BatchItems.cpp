#include "channels/BatchItems.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "channels/ChannelEditorFields.h"

namespace mox {

namespace {

constexpr int kFirstItemCaption = 29010;
constexpr int kAutoDialCaption = 29022;

using K = BatchItemKind;
using C = ChannelRecord;

const std::array<BatchItemInfo, kBatchItemCount>& Items() {
    // The entries of each list, in value order.
    static const std::vector<int> power = {15044, 15045, 15046};            // texts
    static const std::vector<int> signalling = {15030, 15043};              // texts
    static const std::vector<int> pttId = {15030, 15037, 15038, 15039};     // texts
    static const std::vector<int> spacing = {15040, 15041, 15042};          // texts
    static const std::vector<int> busyLock = {15030, 15031, 15032, 15033};  // texts
    static const std::vector<int> reverseOrTalkaround = {15034, 15035};     // texts
    static const std::vector<int> relation = {15050, 15051};                // texts
    static const std::array<BatchItemInfo, kBatchItemCount> items = {{
        {K::Frequency, 0, {}, nullptr, ""},
        {K::Frequency, 1, {}, nullptr, ""},
        {K::Tone, 2, {}, &C::RxTone, "RxTone"},
        {K::Tone, 3, {}, &C::TxTone, "TxTone"},
        {K::NoSetting, -1, {}, nullptr, ""},
        {K::NoSetting, -1, {}, nullptr, ""},
        {K::List, 4, power, &C::TxPower, "TxPower"},
        {K::List, 5, signalling, &C::OptionalSignalling, "OptionalSignalling"},
        {K::List, 6, pttId, &C::PttId, "PttId"},
        {K::List, 7, spacing, &C::Spacing, "Spacing"},
        {K::List, 8, busyLock, &C::BusyLock, "BusyLock"},
        {K::List, 9, reverseOrTalkaround, &C::ReverseOrTalkaround, "ReverseOrTalkaround"},
        {K::AutoDial, 11, {}, &C::AutoDial1, "AutoDial1"},
        {K::List, 10, relation, &C::SignallingRelation, "SignallingRelation"},
        {K::Check, 13, {}, &C::ScanSkip, "ScanSkip"},
        {K::Check, 14, {}, &C::VoiceScramble, "VoiceScramble"},
        {K::Check, 15, {}, &C::TxInhibit, "TxInhibit"},
        {K::Check, 16, {}, &C::Talkaround, "Talkaround"},
        {K::Check, 17, {}, &C::Reverse, "Reverse"},
        {K::Check, 18, {}, &C::Whisper, "Whisper"},
        {K::Check, 19, {}, &C::Compander, "Compander"},
        {K::AutoDial, 12, {}, &C::AutoDial2, "AutoDial2"},
    }};
    return items;
}

bool SameWord(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

const BatchItemInfo& BatchItemOf(int item) {
    return Items().at(static_cast<std::size_t>(item));
}

int BatchItemCaptionText(int item) {
    if (item == kBatchAutoDial1 || item == kBatchAutoDial2)
        return kAutoDialCaption;
    return kFirstItemCaption + item;
}

const char* BatchItemCaptionTail(int item) {
    if (item == kBatchAutoDial1)
        return " 1";
    if (item == kBatchAutoDial2)
        return " 2";
    return "";
}

bool IsBatchItemSelected(const BatchItemSelection& items, int item) {
    const int byte = BatchItemOf(item).SelectionByte;
    return byte >= 0 && items[static_cast<std::size_t>(byte)] != 0;
}

void SelectBatchItem(BatchItemSelection& items, int item, bool selected) {
    const int byte = BatchItemOf(item).SelectionByte;
    if (byte >= 0)
        items[static_cast<std::size_t>(byte)] = selected ? 1 : 0;
}

std::vector<int> BatchItemValues(int item, const DtmfSettings& dtmf) {
    const BatchItemInfo& info = BatchItemOf(item);
    switch (info.Kind) {
        case K::List: {
            std::vector<int> values(info.EntryTexts.size());
            for (std::size_t i = 0; i < values.size(); ++i)
                values[i] = static_cast<int>(i);
            return values;
        }
        case K::AutoDial:
            return AutoDialChoices(dtmf);
        case K::Check:
            return {0, 1};
        default:
            return {};
    }
}

int BatchItemOfField(const std::string& fieldName) {
    for (int item = 0; item < kBatchItemCount; ++item) {
        const BatchItemInfo& info = BatchItemOf(item);
        const bool fixedValue = info.Kind == K::List || info.Kind == K::AutoDial || info.Kind == K::Check;
        if (fixedValue && SameWord(info.FieldName, fieldName))
            return item;
    }
    return -1;
}

}  // namespace mox
