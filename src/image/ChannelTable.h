#pragma once

#include <string_view>

#include "records/ModelState.h"
#include "records/RadioData.h"

namespace mox {

// The number of records in use: Count, held to 0..128 so a damaged count never reaches past the array.
int UsedChannelCount(const ChannelTable& table);
// The 0-based index of the record with this Number, -1 when there is none.
int FindChannelIndex(const ChannelTable& table, int number);
ChannelRecord* FindChannel(ChannelTable& table, int number);
const ChannelRecord* FindChannel(const ChannelTable& table, int number);

// Adds a channel at the end of the list: Number, RxDigits from the RX text (eight digits), shift
// digits seven NULs, TxPower 2, every other field 0. Returns the new record, or nullptr (and adds
// nothing) when the list already holds 128 records.
ChannelRecord* AppendDefaultChannel(ChannelTable& table, const ModelState& model, int number,
                                    std::string_view rxText);
// Removes the entry at a 0-based index; the following entries move down by one. An index outside the
// list does nothing.
void DeleteChannelAt(ChannelTable& table, int index);
// Removes the entry with this Number; does nothing when there is none.
void DeleteChannelByNumber(ChannelTable& table, int number);

// The two scan priority channels and the emergency channel must name existing channels: a reference
// that does not moves to the lowest-numbered channel of its group, else to the lowest-numbered
// channel of all, else to group 0, position 0. Callers then let the scan and alert windows redraw
// (Views::ChannelReferencesChanged).
void RevalidateChannelReferences(RadioData& data);

// Busy channel lockout 2 needs a tone: TxTone when Reverse is 1, else RxTone.
bool HasBusyLockTone(const ChannelRecord& record);
// A BusyLock of 2 without its tone becomes 1; done whenever a channel is shown.
void SettleBusyLock(ChannelRecord& record);

}  // namespace mox
