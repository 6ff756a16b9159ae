#include "image/ChannelTable.h"

#include <algorithm>
#include <cstdint>

#include "codecs/Frequency.h"

namespace mox {

int UsedChannelCount(const ChannelTable& table) {
    return std::clamp<int>(table.Count, 0, kChannelCapacity);
}

int FindChannelIndex(const ChannelTable& table, int number) {
    const int count = UsedChannelCount(table);
    for (int i = 0; i < count; ++i) {
        if (table.Records[i].Number == number)
            return i;
    }
    return -1;
}

ChannelRecord* FindChannel(ChannelTable& table, int number) {
    const int index = FindChannelIndex(table, number);
    return index < 0 ? nullptr : &table.Records[index];
}

const ChannelRecord* FindChannel(const ChannelTable& table, int number) {
    const int index = FindChannelIndex(table, number);
    return index < 0 ? nullptr : &table.Records[index];
}

ChannelRecord* AppendDefaultChannel(ChannelTable& table, const ModelState& model, int number,
                                    std::string_view rxText) {
    const int count = UsedChannelCount(table);
    if (count >= kChannelCapacity)
        return nullptr;
    ChannelRecord& record = table.Records[count];
    record = ChannelRecord{};
    record.Number = static_cast<std::int16_t>(number);
    SetFixedText(record.RxDigits, TextToDigits(model, rxText));
    SetFixedText(record.ShiftDigits, "", '\0');
    record.TxPower = 2;
    table.Count = static_cast<std::int16_t>(count + 1);
    return &record;
}

void DeleteChannelAt(ChannelTable& table, int index) {
    const int count = UsedChannelCount(table);
    if (index < 0 || index >= count)
        return;
    std::move(table.Records.begin() + index + 1, table.Records.begin() + count,
              table.Records.begin() + index);
    // The freed entry is cleared so no stale channel lingers behind the count.
    table.Records[count - 1] = ChannelRecord{};
    table.Count = static_cast<std::int16_t>(count - 1);
}

void DeleteChannelByNumber(ChannelTable& table, int number) {
    DeleteChannelAt(table, FindChannelIndex(table, number));
}

namespace {

// The lowest channel Number in first..last that exists, 0 when none does.
int LowestExistingChannel(const ChannelTable& table, int first, int last) {
    for (int number = first; number <= last; ++number) {
        if (FindChannelIndex(table, number) >= 0)
            return number;
    }
    return 0;
}

void RevalidateReference(const ChannelTable& table, std::uint8_t& group, std::uint8_t& position) {
    const bool groupValid = group >= 1 && group <= kGroupCount;
    const bool positionValid = position >= 1 && position <= kPositionsPerGroup;
    const int groupFirst = (group - 1) * kPositionsPerGroup + 1;
    if (groupValid && positionValid && FindChannelIndex(table, groupFirst + position - 1) >= 0)
        return;
    int number =
        groupValid ? LowestExistingChannel(table, groupFirst, groupFirst + kPositionsPerGroup - 1) : 0;
    if (number == 0)
        number = LowestExistingChannel(table, 1, kChannelCapacity);
    group = static_cast<std::uint8_t>(number == 0 ? 0 : (number - 1) / kPositionsPerGroup + 1);
    position = static_cast<std::uint8_t>(number == 0 ? 0 : (number - 1) % kPositionsPerGroup + 1);
}

}  // namespace

void RevalidateChannelReferences(RadioData& data) {
    const ChannelTable& table = data.Channels;
    ScanSettings& scan = data.Functions.Scan;
    AlertSettings& alert = data.Functions.Alert;
    RevalidateReference(table, scan.Priority1Group, scan.Priority1Channel);
    RevalidateReference(table, scan.Priority2Group, scan.Priority2Channel);
    RevalidateReference(table, alert.EmergencyGroup, alert.EmergencyChannel);
}

bool HasBusyLockTone(const ChannelRecord& record) {
    return (record.Reverse == 1 ? record.TxTone : record.RxTone) != 0;
}

void SettleBusyLock(ChannelRecord& record) {
    if (record.BusyLock == 2 && !HasBusyLockTone(record))
        record.BusyLock = 1;
}

}  // namespace mox
