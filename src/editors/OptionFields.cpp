#include "editors/OptionFields.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "services/NumberText.h"
#include "services/Texts.h"

namespace mox {

namespace {

enum class EntryText {
    Value,        // the stored value in decimal
    HalfSeconds,  // 0.5 seconds per step, from 0.5
};

struct OptionList {
    std::int16_t OptionSettings::*Field;
    int Count;
    // stored value = index * Factor + Offset
    int Factor;
    int Offset;
    // The leading entries named by language text; the others show their value.
    std::vector<int> Texts;
    EntryText Shown = EntryText::Value;
};

// The lists whose first entries are words rather than numbers.
const std::vector<int> kOff = {16040};                                    // texts
const std::vector<int> kVoicePrompts = {16040, 16042, 16043};             // texts
const std::vector<int> kTailEliminations = {16300, 16301, 16044, 16045};  // texts
const std::vector<int> kBatterySaves = {16040, 16046, 16047, 16048};      // texts

const OptionList& ListOf(int id) {
    static const OptionList kLists[kOptionListCount] = {
        {&OptionSettings::SquelchLevel, 10, 1, 0, {}},
        {&OptionSettings::VoicePrompt, 3, 1, 0, kVoicePrompts},
        {&OptionSettings::TailEliminationMode, 4, 1, 0, kTailEliminations},
        {&OptionSettings::BatterySave, 4, 1, 0, kBatterySaves},
        // Seconds in steps of 15 up to four minutes.
        {&OptionSettings::TimeOutTimer, 17, 15, 0, kOff},
        {&OptionSettings::TotPreAlert, 11, 1, 0, kOff},
        {&OptionSettings::TotRekeyTime, 61, 1, 0, {}},
        {&OptionSettings::TotResetTime, 31, 1, 0, {}},
        {&OptionSettings::VoxSensitivity, 7, 1, 0, kOff},
        {&OptionSettings::VoxDelay, 10, 1, 0, {}, EntryText::HalfSeconds},
        {&OptionSettings::ChannelGroup, 8, 1, 1, {}},
        {&OptionSettings::VoiceVolume, 5, 1, 1, {}},
    };
    return kLists[id];
}

constexpr std::int16_t OptionSettings::*kCheckFields[kOptionCheckCount - 1] = {
    &OptionSettings::VoxEnable,   &OptionSettings::VoxTone,    &OptionSettings::ChannelLock,
    &OptionSettings::GroupSelect, &OptionSettings::WiredClone, &OptionSettings::TailEliminationNoSignalling,
};
constexpr int kResetProhibitCheck = 6;

std::int16_t& CheckField(FunctionSettings& settings, int box) {
    return box == kResetProhibitCheck ? settings.ResetProhibit : settings.Options.*kCheckFields[box];
}

std::int16_t CheckValue(const FunctionSettings& settings, int box) {
    return box == kResetProhibitCheck ? settings.ResetProhibit : settings.Options.*kCheckFields[box];
}

std::string HalfSecondsText(int index) {
    char text[16];
    std::snprintf(text, sizeof text, "%d.%d", (index + 1) / 2, (index + 1) % 2 * 5);
    return text;
}

}  // namespace

std::vector<std::string> OptionListEntries(const Messages& messages, int id) {
    const OptionList& list = ListOf(id);
    std::vector<std::string> entries;
    for (int index = 0; index < list.Count; ++index) {
        if (index < static_cast<int>(list.Texts.size()))
            entries.push_back(GetLanguageText(messages, list.Texts[index]));
        else if (list.Shown == EntryText::HalfSeconds)
            entries.push_back(HalfSecondsText(index));
        else
            entries.push_back(WholeNumberText(index * list.Factor + list.Offset));
    }
    return entries;
}

int OptionListIndex(const FunctionSettings& settings, int id) {
    const OptionList& list = ListOf(id);
    const int value = settings.Options.*list.Field;
    // A stored time-out that is not a multiple of 15 shows the nearest entry.
    const int index =
        list.Factor == 1
            ? value - list.Offset
            : static_cast<int>(std::lround(static_cast<double>(value - list.Offset) / list.Factor));
    return index >= 0 && index < list.Count ? index : 0;
}

bool OptionCheckTicked(const FunctionSettings& settings, int box) {
    return CheckValue(settings, box) == 1;
}

void SaveOptFeat(FunctionSettings& settings, int id, int value) {
    if (id >= 0 && id < kOptionListCount) {
        const OptionList& list = ListOf(id);
        settings.Options.*list.Field = static_cast<std::int16_t>(value * list.Factor + list.Offset);
    } else if (id >= kFirstOptionCheckId && id < kFirstOptionCheckId + kOptionCheckCount) {
        CheckField(settings, id - kFirstOptionCheckId) = value == 1 ? 1 : 0;
    }
}

bool VoxControlsEnabled(const FunctionSettings& settings) {
    return OptionCheckTicked(settings, kVoxCheck);
}

bool OptionControlEnabled(const FunctionSettings& settings, int id) {
    const bool voxControl = id == kFirstOptionCheckId + kVoxToneCheck ||
                            std::find(kVoxLists.begin(), kVoxLists.end(), id) != kVoxLists.end();
    return !voxControl || VoxControlsEnabled(settings);
}

int OptionValue(const FunctionSettings& settings, int id) {
    if (id >= kFirstOptionCheckId)
        return CheckValue(settings, id - kFirstOptionCheckId);
    return settings.Options.*ListOf(id).Field;
}

std::vector<int> OptionValues(int id) {
    if (id >= kFirstOptionCheckId)
        return {0, 1};
    const OptionList& list = ListOf(id);
    std::vector<int> values;
    for (int index = 0; index < list.Count; ++index)
        values.push_back(index * list.Factor + list.Offset);
    return values;
}

OptFeaturesView OpenOptFeatures(FunctionSettings& settings) {
    OptFeaturesView view;
    for (int id = 0; id < kOptionListCount; ++id) {
        view.ListIndex[id] = OptionListIndex(settings, id);
        SaveOptFeat(settings, id, view.ListIndex[id]);
    }
    for (int box = 0; box < kOptionCheckCount; ++box)
        view.Ticked[box] = OptionCheckTicked(settings, box);
    SaveOptFeat(settings, kFirstOptionCheckId + kResetProhibitCheck, view.Ticked[kResetProhibitCheck]);
    return view;
}

}  // namespace mox
