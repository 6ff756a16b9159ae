#include "channels/ChannelEditorFields.h"

#include <algorithm>

#include "codecs/Tones.h"
#include "image/ChannelTable.h"

namespace mox {

namespace {

constexpr int kOffText = 15030;
constexpr int kAutoDialOffText = 14013;
constexpr int kFirstBusyLockText = 15030;  // off, carrier, tone, signalling

using C = ChannelRecord;
using K = EditorListKind;

}  // namespace

const std::array<EditorList, kEditorListCount>& EditorLists() {
    static const std::array<EditorList, kEditorListCount> lists = {{
        {4, 15005, "", K::Tones, {kOffText}, &C::RxTone},
        {5, 15006, "", K::Tones, {kOffText}, &C::TxTone},
        {6, 15007, "", K::Texts, {15044, 15045, 15046}, &C::TxPower},
        {8, 15008, "", K::Texts, {kOffText, 15043}, &C::OptionalSignalling},
        {10, 15009, "", K::Texts, {kOffText, 15037, 15038, 15039}, &C::PttId},
        {9, 15010, "", K::Texts, {15040, 15041, 15042}, &C::Spacing},
        {11, 15011, "", K::BusyLock, {}, &C::BusyLock},
        {12, 15012, "", K::Texts, {15034, 15035}, &C::ReverseOrTalkaround},
        {13, 15013, " 1", K::AutoDial, {}, &C::AutoDial1},
        {21, 15022, "", K::Texts, {15050, 15051}, &C::SignallingRelation},
        {22, 15013, " 2", K::AutoDial, {}, &C::AutoDial2},
    }};
    return lists;
}

const std::array<EditorCheck, kEditorCheckCount>& EditorChecks() {
    static const std::array<EditorCheck, kEditorCheckCount> checks = {{
        {7, 15014, &C::ScanSkip},
        {14, 15015, &C::VoiceScramble},
        {15, 15016, &C::TxInhibit},
        {16, 15017, &C::Talkaround},
        {17, 15018, &C::Reverse},
        {18, 15019, &C::Whisper},
        {19, 15020, &C::Compander},
    }};
    return checks;
}

std::vector<int> BusyLockChoices(bool hasTone) {
    return hasTone ? std::vector<int>{0, 1, 2} : std::vector<int>{0, 1};
}

std::vector<int> AutoDialChoices(const DtmfSettings& dtmf) {
    std::vector<int> choices{0};
    for (std::size_t m = 0; m < dtmf.AutoDial.size(); ++m) {
        if (dtmf.AutoDial[m].Count > 0)
            choices.push_back(static_cast<int>(m) + 1);
    }
    return choices;
}

std::vector<int> OfferedValues(const EditorList& list, const ChannelRecord& record,
                               const DtmfSettings& dtmf) {
    std::vector<int> values;
    switch (list.Kind) {
        case K::Tones:
            values.resize(kToneCount);
            break;
        case K::Texts:
            values.resize(list.EntryTexts.size());
            break;
        case K::BusyLock:
            return BusyLockChoices(HasBusyLockTone(record));
        case K::AutoDial:
            return AutoDialChoices(dtmf);
    }
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = static_cast<int>(i);
    return values;
}

int EntryOfValue(const std::vector<int>& offered, int value) {
    const auto found = std::find(offered.begin(), offered.end(), value);
    return found == offered.end() ? 0 : static_cast<int>(found - offered.begin());
}

std::string EntryText(const EditorList& list, int value, const TextOf& text) {
    switch (list.Kind) {
        case K::Tones:
            return ToneText(value, text(list.EntryTexts[0]));
        case K::Texts:
            return value >= 0 && value < static_cast<int>(list.EntryTexts.size())
                       ? text(list.EntryTexts[static_cast<std::size_t>(value)])
                       : std::string();
        case K::BusyLock:
            return text(kFirstBusyLockText + value);
        case K::AutoDial:
            return value == 0 ? text(kAutoDialOffText) : std::to_string(value);
    }
    return {};
}

}  // namespace mox
