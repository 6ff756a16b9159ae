#include "editors/KeyFields.h"

#include "editors/ChoiceLists.h"
#include "services/Texts.h"

namespace mox {

namespace {

// Long-press times from 1.0 to 2.5 seconds, stored in tenths.
constexpr int kShortestPress = 10;
constexpr int kLongestPress = 25;

constexpr std::int16_t KeySettings::*kFields[kKeyFieldCount] = {
    &KeySettings::LongPressTime, &KeySettings::EmergencyLongPressTime,
    &KeySettings::Pf1Long,       &KeySettings::Pf1Short,
    &KeySettings::Pf2Long,       &KeySettings::Pf2Short,
};

bool IsShortPress(KeyField field) {
    return field == KeyField::Pf1Short || field == KeyField::Pf2Short;
}

// Function 21 is reserved; key lock (4) and the emergency alarm (11) need the key held down, so a short
// press does not offer them.
bool KeyOffers(KeyField field, int function) {
    if (function == 21)
        return false;
    return !IsShortPress(field) || (function != 4 && function != 11);
}

bool FunctionAllowed(const FunctionSettings& settings, int function) {
    if (function == kScanKeyFunction)
        return settings.Scan.ScanMode != 0;
    if (function == kVoxKeyFunction)
        return settings.Options.VoxEnable != 0;
    return true;
}

}  // namespace

bool IsKeyFunctionField(KeyField field) {
    return field != KeyField::LongPressTime && field != KeyField::EmergencyLongPressTime;
}

std::vector<int> KeyListValues(KeyField field) {
    std::vector<int> values;
    if (!IsKeyFunctionField(field)) {
        for (int tenths = kShortestPress; tenths <= kLongestPress; ++tenths)
            values.push_back(tenths);
        return values;
    }
    for (int function = 0; function < kKeyFunctionCount; ++function) {
        if (KeyOffers(field, function))
            values.push_back(function);
    }
    return values;
}

std::vector<std::string> KeyListEntries(const Messages& messages, KeyField field) {
    if (!IsKeyFunctionField(field))
        return TenthsOfSecondEntries(kShortestPress, kLongestPress);
    std::vector<std::string> entries;
    for (int function : KeyListValues(field))
        entries.push_back(GetLanguageText(messages, kFirstKeyFunctionText + function));
    return entries;
}

int KeyListIndex(const FunctionSettings& settings, KeyField field) {
    int value = settings.Keys.*kFields[static_cast<int>(field)];
    if (IsKeyFunctionField(field) && (value < 0 || value >= kKeyFunctionCount))
        value = 0;
    const int index = EntryOf(KeyListValues(field), value);
    return index >= 0 ? index : 0;
}

int SelectKeyEntry(FunctionSettings& settings, KeyField field, int index) {
    const std::vector<int> values = KeyListValues(field);
    if (index < 0 || index >= static_cast<int>(values.size()) || !FunctionAllowed(settings, values[index]))
        index = 0;
    settings.Keys.*kFields[static_cast<int>(field)] = static_cast<std::int16_t>(values[index]);
    return index;
}

std::array<int, kKeyFieldCount> OpenKeys(FunctionSettings& settings) {
    std::array<int, kKeyFieldCount> shown{};
    for (int i = 0; i < kKeyFieldCount; ++i) {
        const auto field = static_cast<KeyField>(i);
        shown[i] = SelectKeyEntry(settings, field, KeyListIndex(settings, field));
    }
    return shown;
}

void ClearScanKeyFunctions(KeySettings& keys) {
    for (int i = 0; i < kKeyFieldCount; ++i) {
        const auto field = static_cast<KeyField>(i);
        if (IsKeyFunctionField(field) && keys.*kFields[i] == kScanKeyFunction)
            keys.*kFields[i] = 0;
    }
}

std::vector<int> KeyFieldValues(const FunctionSettings& settings, KeyField field) {
    std::vector<int> values;
    for (int value : KeyListValues(field)) {
        if (!IsKeyFunctionField(field) || FunctionAllowed(settings, value))
            values.push_back(value);
    }
    return values;
}

bool SetKeyField(FunctionSettings& settings, KeyField field, int value) {
    if (EntryOf(KeyFieldValues(settings, field), value) < 0)
        return false;
    SelectKeyEntry(settings, field, EntryOf(KeyListValues(field), value));
    return true;
}

}  // namespace mox
