#pragma once

#include <array>
#include <string>
#include <vector>

#include "records/RadioData.h"
#include "services/Messages.h"

namespace mox {

// The key settings, in their record order. The window shows them in Combo1(9), Combo1(10) (the two
// long-press times) and Combo1(0) to Combo1(3) (the functions of PF1 and PF2, long and short press).
enum class KeyField { LongPressTime, EmergencyLongPressTime, Pf1Long, Pf1Short, Pf2Long, Pf2Short };
constexpr int kKeyFieldCount = 6;

// The key functions 0 to 22; function n is named by text 25040 + n.
constexpr int kKeyFunctionCount = 23;
constexpr int kFirstKeyFunctionText = 25040;
// Scanning from a key needs a scan mode; the VOX key needs VOX switched on.
constexpr int kScanKeyFunction = 8;
constexpr int kVoxKeyFunction = 22;

// Whether a field holds a key function rather than a long-press time.
bool IsKeyFunctionField(KeyField field);

// The stored values of a list's entries, in list order: the long-press times 10 to 25 (tenths of a
// second), or the functions the key offers (a long press all but 21, a short press all but 4, 11 and 21).
std::vector<int> KeyListValues(KeyField field);
std::vector<std::string> KeyListEntries(const Messages& messages, KeyField field);

// The entry a list shows for the stored value: a function outside 0 to 22 counts as 0, and a value the
// list does not offer shows the first entry.
int KeyListIndex(const FunctionSettings& settings, KeyField field);

// A choice in a list. Function 8 without a scan mode and function 22 without VOX select the list's
// first entry instead. Stores the value of the entry now selected and returns that entry.
int SelectKeyEntry(FunctionSettings& settings, KeyField field, int index);

// What the window shows when it opens (the entry of each field), written back through SelectKeyEntry,
// as the key lists show their values again after the scan mode changed.
std::array<int, kKeyFieldCount> OpenKeys(FunctionSettings& settings);

// Choosing the first scan mode takes the scan function off every key.
void ClearScanKeyFunctions(KeySettings& keys);

// The values a field can be given now: the list's values less those the choice rules turn away.
std::vector<int> KeyFieldValues(const FunctionSettings& settings, KeyField field);
// Sets a field to a stored value as choosing it in the window would. A value the window cannot produce
// now changes nothing and returns false.
bool SetKeyField(FunctionSettings& settings, KeyField field, int value);

}  // namespace mox
