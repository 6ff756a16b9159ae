#include "editors/AlertFields.h"

#include <algorithm>

#include "editors/ChannelChoices.h"
#include "services/NumberText.h"
#include "services/Texts.h"

namespace mox {

namespace {

constexpr int kSecondsEntries = 255;

int At(AlertField list) {
    return static_cast<int>(list);
}

// The lists whose entries are fixed: language texts first, then numbers 1 to `Numbers`.
struct FixedList {
    std::vector<int> Texts;
    int Numbers = 0;
};

FixedList FixedListOf(AlertField list) {
    switch (list) {
        case AlertField::EmergencyAlarm:
            return {{27030, 27031, 27032, 27033}};  // texts
        case AlertField::EmergencyIdType:
            return {{27037, 27038}};  // texts
        case AlertField::AlarmTime:
        case AlertField::AlarmTxTime:
        case AlertField::AlarmRxTime:
            return {{}, kSecondsEntries};
        case AlertField::ChannelSelect:
            return {{27034, 27035}};  // texts
        case AlertField::AlarmCycle:
            return {{27036}, kSecondsEntries};  // texts
        case AlertField::AlarmMode:
            return {{26030, 26031}};  // texts
        default:
            return {};
    }
}

// Without messages the entries are left blank: only their number matters then.
std::vector<std::string> FixedEntries(const Messages* messages, AlertField list) {
    const FixedList fixed = FixedListOf(list);
    std::vector<std::string> entries;
    for (int text : fixed.Texts)
        entries.push_back(messages != nullptr ? GetLanguageText(*messages, text) : std::string());
    for (int number = 1; number <= fixed.Numbers; ++number)
        entries.push_back(WholeNumberText(number));
    return entries;
}

// The seconds lists start at 1 second; every other fixed list stores its index.
bool IsSecondsList(AlertField list) {
    return list == AlertField::AlarmTime || list == AlertField::AlarmTxTime ||
           list == AlertField::AlarmRxTime;
}

std::uint8_t& FieldOf(const AlertRecords& records, AlertField field) {
    AlertSettings& alert = records.Alert;
    switch (field) {
        case AlertField::EmergencyAlarm:
            return alert.EmergencyAlarm;
        case AlertField::EmergencyIdType:
            return alert.EmergencyIdType;
        case AlertField::EmergencyIdMemory:
            return alert.EmergencyIdMemory;
        case AlertField::AlarmTime:
            return alert.AlarmTime;
        case AlertField::AlarmTxTime:
            return alert.AlarmTxTime;
        case AlertField::AlarmRxTime:
            return alert.AlarmRxTime;
        case AlertField::ChannelSelect:
            return alert.ChannelSelect;
        case AlertField::EmergencyGroup:
            return alert.EmergencyGroup;
        case AlertField::EmergencyChannel:
            return alert.EmergencyChannel;
        case AlertField::AlarmCycle:
            return alert.AlarmCycle;
        default:
            return records.AlarmMode;
    }
}

// The entry a fixed list shows for a stored value; the first one when the value is outside the list.
int FixedIndex(const AlertView& view, AlertField list, int value) {
    const int index = IsSecondsList(list) ? value - 1 : value;
    return index >= 0 && index < static_cast<int>(view.Entries[At(list)].size()) ? index : 0;
}

// The alarm mode off leaves only the mode to choose; otherwise the alarm type decides between the
// alarm time (a local alarm) and the ID and transmit and receive times (an alarm that is sent), and
// the assigned alarm channel needs its group and position.
void ApplyEnabling(AlertView& view) {
    const auto selected = [&view](AlertField list) { return view.Selected[At(list)]; };
    const bool modeOn = selected(AlertField::AlarmMode) != 0;
    view.Enabled.fill(modeOn);
    view.Enabled[At(AlertField::AlarmMode)] = true;
    if (!modeOn)
        return;
    const bool sent = selected(AlertField::EmergencyAlarm) != 0;
    view.Enabled[At(AlertField::AlarmTime)] = !sent;
    for (AlertField list : {AlertField::EmergencyIdType, AlertField::EmergencyIdMemory,
                            AlertField::AlarmTxTime, AlertField::AlarmRxTime})
        view.Enabled[At(list)] = sent;
    const bool assigned = selected(AlertField::ChannelSelect) == 0;
    view.Enabled[At(AlertField::EmergencyGroup)] = assigned;
    view.Enabled[At(AlertField::EmergencyChannel)] = assigned;
}

// Lists the memories for ID type 1 (none for type 0) and selects `shown`, else the first entry.
void RebuildIdMemories(const AlertRecords& records, AlertView& view, std::string_view shown) {
    auto& entries = view.Entries[At(AlertField::EmergencyIdMemory)];
    entries.clear();
    if (view.Selected[At(AlertField::EmergencyIdType)] == 1)
        entries = IdMemoryEntries(records.Dtmf);
    SelectAlertEntry(records, view, AlertField::EmergencyIdMemory, EntryOfText(entries, shown));
}

std::string IdMemoryText(int memory) {
    return std::string(kIdMemoryPrefix) + WholeNumberText(memory);
}

void ChooseGroup(const AlertRecords& records, AlertView& view, int index) {
    const auto& groups = view.Entries[At(AlertField::EmergencyGroup)];
    view.Selected[At(AlertField::EmergencyGroup)] = index;
    auto& positions = view.Entries[At(AlertField::EmergencyChannel)];
    positions = PositionEntries(records.Channels, NumberOfEntry(groups, index));
    SelectAlertEntry(records, view, AlertField::EmergencyChannel,
                     EntryOfNumber(positions, records.Alert.EmergencyChannel));
    records.Alert.EmergencyGroup = static_cast<std::uint8_t>(NumberOfEntry(groups, index));
}

AlertView OpenAlertView(const Messages* messages, const AlertRecords& records) {
    AlertView view;
    view.Selected.fill(-1);
    for (int list = 0; list < kAlertListCount; ++list)
        view.Entries[list] = FixedEntries(messages, AlertField(list));
    view.Entries[At(AlertField::EmergencyGroup)] = GroupEntries(records.Channels);
    const auto showFixed = [&](AlertField list) {
        SelectAlertEntry(records, view, list, FixedIndex(view, list, FieldOf(records, list)));
    };
    showFixed(AlertField::EmergencyAlarm);
    showFixed(AlertField::EmergencyIdType);
    showFixed(AlertField::AlarmTime);
    showFixed(AlertField::AlarmTxTime);
    showFixed(AlertField::AlarmRxTime);
    showFixed(AlertField::ChannelSelect);
    ReshowAlertChannels(records, view);
    showFixed(AlertField::AlarmCycle);
    showFixed(AlertField::AlarmMode);
    return view;
}

// The stored value an entry stands for.
int ValueOfEntry(const AlertView& view, AlertField field, int index) {
    const auto& entries = view.Entries[At(field)];
    if (field == AlertField::EmergencyIdMemory)
        return NumberOfEntry(entries, index, kIdMemoryPrefix);
    if (field == AlertField::EmergencyGroup || field == AlertField::EmergencyChannel)
        return NumberOfEntry(entries, index);
    return IsSecondsList(field) ? index + 1 : index;
}

// The index of the entry standing for a stored value, -1 when no entry does.
int EntryOfValue(const AlertView& view, AlertField field, int value) {
    for (int index = 0; index < static_cast<int>(view.Entries[At(field)].size()); ++index) {
        if (ValueOfEntry(view, field, index) == value)
            return index;
    }
    return -1;
}

// A field and the one its list goes with: the ID type decides which ID memories there are, the group
// which positions.
std::vector<AlertField> FieldsSetTogether(AlertField field) {
    switch (field) {
        case AlertField::EmergencyIdType:
        case AlertField::EmergencyIdMemory:
            return {AlertField::EmergencyIdType, AlertField::EmergencyIdMemory};
        case AlertField::EmergencyGroup:
        case AlertField::EmergencyChannel:
            return {AlertField::EmergencyGroup, AlertField::EmergencyChannel};
        default:
            return {field};
    }
}

}  // namespace

AlertRecords AlertRecordsOf(RadioData& data, CompanionRecord& companion) {
    return {data.Functions.Alert, companion.AlarmMode, data.Functions.Dtmf, data.Channels};
}

std::vector<std::string> IdMemoryEntries(const DtmfSettings& dtmf) {
    std::vector<std::string> entries;
    for (int memory = 1; memory <= static_cast<int>(dtmf.AutoDial.size()); ++memory) {
        if (dtmf.AutoDial[static_cast<std::size_t>(memory - 1)].Count > 0)
            entries.push_back(IdMemoryText(memory));
    }
    return entries;
}

AlertView OpenAlert(const Messages& messages, const AlertRecords& records) {
    return OpenAlertView(&messages, records);
}

void SelectAlertEntry(const AlertRecords& records, AlertView& view, AlertField list, int index) {
    AlertSettings& alert = records.Alert;
    view.Selected[At(list)] = index;
    switch (list) {
        case AlertField::EmergencyIdType:
            RebuildIdMemories(records, view, IdMemoryText(alert.EmergencyIdMemory));
            alert.EmergencyIdType = static_cast<std::uint8_t>(std::max(ValueOfEntry(view, list, index), 0));
            break;
        case AlertField::EmergencyIdMemory:
            alert.EmergencyIdMemory = static_cast<std::uint8_t>(
                view.Selected[At(AlertField::EmergencyIdType)] == 1 ? ValueOfEntry(view, list, index) : 0);
            break;
        case AlertField::EmergencyGroup:
            ChooseGroup(records, view, index);
            break;
        default:
            // A list of numbers that shows nothing stores 0; the fixed lists always show an entry.
            FieldOf(records, list) = static_cast<std::uint8_t>(std::max(ValueOfEntry(view, list, index), 0));
            break;
    }
    ApplyEnabling(view);
}

void ReshowAlertChannels(const AlertRecords& records, AlertView& view) {
    auto& groups = view.Entries[At(AlertField::EmergencyGroup)];
    groups = GroupEntries(records.Channels);
    SelectAlertEntry(records, view, AlertField::EmergencyGroup,
                     EntryOfNumber(groups, records.Alert.EmergencyGroup));
}

void ReshowAlertIdMemories(const AlertRecords& records, AlertView& view) {
    if (view.Selected[At(AlertField::EmergencyIdType)] != 1)
        return;
    const auto& entries = view.Entries[At(AlertField::EmergencyIdMemory)];
    const int shown = view.Selected[At(AlertField::EmergencyIdMemory)];
    const std::string text = shown >= 0 && shown < static_cast<int>(entries.size())
                                 ? entries[static_cast<std::size_t>(shown)]
                                 : std::string();
    RebuildIdMemories(records, view, text);
}

int AlertFieldValue(const AlertRecords& records, AlertField field) {
    return FieldOf(records, field);
}

std::vector<int> AllowedAlertValues(const AlertRecords& records, AlertField field) {
    AlertSettings alert = records.Alert;
    std::uint8_t mode = records.AlarmMode;
    const AlertView view = OpenAlertView(nullptr, {alert, mode, records.Dtmf, records.Channels});
    const auto& entries = view.Entries[At(field)];
    if (entries.empty())
        return {0};
    std::vector<int> values;
    for (int index = 0; index < static_cast<int>(entries.size()); ++index)
        values.push_back(ValueOfEntry(view, field, index));
    return values;
}

bool AlertFieldEnabled(const AlertRecords& records, AlertField field) {
    AlertSettings alert = records.Alert;
    std::uint8_t mode = records.AlarmMode;
    return OpenAlertView(nullptr, {alert, mode, records.Dtmf, records.Channels}).Enabled[At(field)];
}

bool SetAlertField(const AlertRecords& records, AlertField field, int value) {
    AlertSettings alert = records.Alert;
    std::uint8_t mode = records.AlarmMode;
    const AlertRecords trial{alert, mode, records.Dtmf, records.Channels};
    AlertView view = OpenAlertView(nullptr, trial);
    const int index = EntryOfValue(view, field, value);
    if (index < 0 && !(view.Entries[At(field)].empty() && value == 0))
        return false;
    SelectAlertEntry(trial, view, field, index);
    for (AlertField changed : FieldsSetTogether(field))
        FieldOf(records, changed) = FieldOf(trial, changed);
    return true;
}

}  // namespace mox
