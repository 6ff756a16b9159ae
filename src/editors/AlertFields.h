#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "records/RadioData.h"
#include "services/Messages.h"

namespace mox {

// The alert window's lists Combo1(0) to Combo1(10), one per alert field, in this order, which is the
// record order with the companion record's alarm mode last.
enum class AlertField {
    EmergencyAlarm,
    EmergencyIdType,
    EmergencyIdMemory,
    AlarmTime,
    AlarmTxTime,
    AlarmRxTime,
    ChannelSelect,
    EmergencyGroup,
    EmergencyChannel,
    AlarmCycle,
    AlarmMode,
};
constexpr int kAlertListCount = 11;
// The ID memory list shows "M" and the number of each auto-dial memory that holds digits.
constexpr std::string_view kIdMemoryPrefix = "M";

// What the alert settings are edited on: the ten alert bytes, the alarm mode that data files keep in
// the companion record, and the DTMF memories and channels its lists are made of.
struct AlertRecords {
    AlertSettings& Alert;
    std::uint8_t& AlarmMode;
    const DtmfSettings& Dtmf;
    const ChannelTable& Channels;
};
AlertRecords AlertRecordsOf(RadioData& data, CompanionRecord& companion);

// The lists as the window shows them: their entries, the entry selected (-1 for none) and whether the
// user can choose in them.
struct AlertView {
    std::array<std::vector<std::string>, kAlertListCount> Entries;
    std::array<int, kAlertListCount> Selected{};
    std::array<bool, kAlertListCount> Enabled{};
};

// The ID memory list: "M" and n for every auto-dial memory n that holds digits, ascending.
std::vector<std::string> IdMemoryEntries(const DtmfSettings& dtmf);

// What the window shows when it opens, list by list in the window's order. Showing a value counts as
// choosing it, so each shown value is written back: a value outside its list becomes its first entry's,
// an ID memory or channel that is not offered becomes the first one offered, or 0 when none is.
AlertView OpenAlert(const Messages& messages, const AlertRecords& records);

// The user chose entry `index` of a list (-1: the list shows nothing): the field takes its value and
// the rules that follow run. A new ID type rebuilds the ID memory list; a new group refills the
// position list, which selects the stored position again or its first one. The enabling follows the
// alarm mode, the alarm type and the alarm channel choice.
void SelectAlertEntry(const AlertRecords& records, AlertView& view, AlertField list, int index);

// The channel list changed: the group and position lists are made again and the stored emergency
// channel selected again (or the first group and position offered), and what they show is stored.
void ReshowAlertChannels(const AlertRecords& records, AlertView& view);
// The auto-dial memories changed: with ID type 1 shown, the ID memory list is made again and selects
// the entry it showed, or its first entry; the ID memory follows, 0 when no memory holds digits.
void ReshowAlertIdMemories(const AlertRecords& records, AlertView& view);

// The command line's way in. The stored value of a field, and the values the window could give it now
// (its list's values with the present DTMF memories and channels; an empty list allows only 0).
int AlertFieldValue(const AlertRecords& records, AlertField field);
std::vector<int> AllowedAlertValues(const AlertRecords& records, AlertField field);
// Whether the window lets the user choose in the field's list now (the alarm mode, the alarm type and
// the alarm channel choice decide).
bool AlertFieldEnabled(const AlertRecords& records, AlertField field);
// Sets a field as choosing the entry of that value in the window would, with the rules that follow:
// the ID type and ID memory are set together, and so are the group and position, each as the window
// then shows them; the other fields stay as they are. False, and nothing changes, when the value is not
// among the allowed ones.
bool SetAlertField(const AlertRecords& records, AlertField field, int value);

}  // namespace mox
