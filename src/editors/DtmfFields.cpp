#include "editors/DtmfFields.h"

#include <algorithm>

#include "editors/TextKeys.h"
#include "services/NumberText.h"
#include "services/Texts.h"

namespace mox {

namespace {

constexpr int kMsPerStep = 50;

struct TimingList {
    std::int16_t DtmfSettings::*Field;
    std::vector<int> Milliseconds;
};

std::vector<int> Steps(int first, int step, int count) {
    std::vector<int> values;
    for (int i = 0; i < count; ++i)
        values.push_back(first + i * step);
    return values;
}

const TimingList* TimingOf(DtmfList list) {
    static const TimingList kTimings[] = {
        {&DtmfSettings::DtmfRate, Steps(50, 50, 10)},
        {&DtmfSettings::FirstDigitTime, Steps(0, 100, 11)},
        {&DtmfSettings::FirstDigitDelay, Steps(100, 100, 25)},
        {&DtmfSettings::StarHashTime, {0, 100, 500, 1000}},
    };
    const auto at = static_cast<std::size_t>(list);
    return at < std::size(kTimings) ? &kTimings[at] : nullptr;
}

struct IndexList {
    std::int16_t DtmfSettings::*Field;
    int Count;
};

IndexList IndexListOf(DtmfList list) {
    switch (list) {
        case DtmfList::DKey:
            return {&DtmfSettings::DKeySetting, 17};
        case DtmfList::CallAlert:
            return {&DtmfSettings::CallAlert, 3};
        case DtmfList::GroupCode:
            return {&DtmfSettings::GroupCode, 7};
        default:
            return {&DtmfSettings::AutoResetTimer, 16};
    }
}

std::int16_t DtmfSettings::*FieldOf(DtmfList list) {
    const TimingList* timing = TimingOf(list);
    return timing != nullptr ? timing->Field : IndexListOf(list).Field;
}

// "Off", then the seconds 1 to `last`, each followed by "s".
std::vector<std::string> OffThenSeconds(const Messages& messages, int off, int last) {
    std::vector<std::string> entries{GetLanguageText(messages, off)};
    for (int seconds = 1; seconds <= last; ++seconds)
        entries.push_back(WholeNumberText(seconds) + "s");
    return entries;
}

bool IsDtmfDigit(int key) {
    return (key >= '0' && key <= '9') || (key >= 'A' && key <= 'D') || key == '*' || key == '#';
}

bool AllDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::vector<std::string> DtmfListEntries(const Messages& messages, DtmfList list) {
    if (const TimingList* timing = TimingOf(list)) {
        std::vector<std::string> entries;
        for (int ms : timing->Milliseconds)
            entries.push_back(WholeNumberText(ms));
        return entries;
    }
    switch (list) {
        case DtmfList::DKey:
            return OffThenSeconds(messages, 18040, 16);
        case DtmfList::CallAlert:
            return {GetLanguageText(messages, 18043), GetLanguageText(messages, 18044),
                    GetLanguageText(messages, 18045)};
        case DtmfList::GroupCode:
            return {GetLanguageText(messages, 18043), "A", "B", "C", "D", "*", "#"};
        default:
            return OffThenSeconds(messages, 18043, 15);
    }
}

int DtmfListIndex(const DtmfSettings& settings, DtmfList list) {
    if (const TimingList* timing = TimingOf(list)) {
        const auto& entries = timing->Milliseconds;
        const auto found = std::find(entries.begin(), entries.end(), settings.*timing->Field * kMsPerStep);
        return found == entries.end() ? 0 : static_cast<int>(found - entries.begin());
    }
    const IndexList indexList = IndexListOf(list);
    const int index = settings.*indexList.Field;
    return index >= 0 && index < indexList.Count ? index : 0;
}

void SaveDtmfList(DtmfSettings& settings, DtmfList list, int index) {
    settings.*FieldOf(list) =
        static_cast<std::int16_t>(DtmfListValues(list).at(static_cast<std::size_t>(index)));
}

int DtmfListValue(const DtmfSettings& settings, DtmfList list) {
    return settings.*FieldOf(list);
}

std::vector<int> DtmfListValues(DtmfList list) {
    std::vector<int> values;
    if (const TimingList* timing = TimingOf(list)) {
        for (int ms : timing->Milliseconds)
            values.push_back((ms + kMsPerStep / 2) / kMsPerStep);
        return values;
    }
    for (int index = 0; index < IndexListOf(list).Count; ++index)
        values.push_back(index);
    return values;
}

void SaveSidetone(DtmfSettings& settings, bool ticked) {
    settings.Sidetone = ticked ? 1 : 0;
}

DtmfCode& DtmfCodeOfBox(DtmfSettings& settings, int box) {
    switch (box) {
        case 0:
            return settings.BotCode;
        case 1:
            return settings.EotCode;
        case 2:
            return settings.StunCode;
        case 3:
            return settings.KillCode;
        default:
            return settings.AutoDial.at(static_cast<std::size_t>(box - 4));
    }
}

std::string ShownDtmfCode(const DtmfCode& code) {
    const int count = code.Count >= 0 && code.Count <= kDtmfCodeDigits ? code.Count : 0;
    return std::string(code.Digits.data(), static_cast<std::size_t>(count));
}

std::string StoreDtmfCode(DtmfCode& code, std::string_view text) {
    std::string digits = CleanDtmfCodeText(CutFixedText(text));
    digits.resize(std::min<std::size_t>(digits.size(), kDtmfCodeDigits));
    code.Count = static_cast<std::int16_t>(digits.size());
    SetFixedText(code.Digits, digits);
    return digits;
}

int DtmfCodeKey(int key) {
    key = TextKey(key);
    if (key < ' ' || IsDtmfDigit(key))
        return key;
    if (key >= 'a' && key <= 'd')
        return key - 'a' + 'A';
    return 0;
}

int IdCodeKey(int key) {
    return DigitKey(key);
}

std::string CleanDtmfCodeText(std::string_view text) {
    return CleanTypedText(text, DtmfCodeKey);
}

std::string CleanIdCodeText(std::string_view text) {
    return CleanTypedText(text, IdCodeKey);
}

std::string ShownIdCode(const DtmfSettings& settings) {
    const int length = settings.IdLength >= kIdCodeLeast && settings.IdLength <= kIdCodeDigits
                           ? settings.IdLength
                           : kIdCodeLeast;
    return std::string(settings.IdCode.data(), static_cast<std::size_t>(length));
}

std::string CheckIdCode(DtmfSettings& settings, std::string_view text) {
    std::string code(text);
    if (code.size() < kIdCodeLeast || code.size() > kIdCodeDigits || !AllDigits(code))
        code = "000";
    settings.IdLength = static_cast<std::int16_t>(code.size());
    SetFixedText(settings.IdCode, code);
    return code;
}

DtmfView OpenDtmf(DtmfSettings& settings) {
    DtmfView view;
    for (int i = 0; i < kDtmfListCount; ++i) {
        const auto list = static_cast<DtmfList>(i);
        view.ListIndex[i] = DtmfListIndex(settings, list);
        SaveDtmfList(settings, list, view.ListIndex[i]);
    }
    view.SidetoneTicked = settings.Sidetone == 1;
    view.IdCode = ShownIdCode(settings);
    for (int box = 0; box < kDtmfCodeBoxCount; ++box) {
        DtmfCode& code = DtmfCodeOfBox(settings, box);
        view.Codes[box] = StoreDtmfCode(code, ShownDtmfCode(code));
    }
    return view;
}

}  // namespace mox
