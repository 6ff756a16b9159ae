#include "channels/ChannelReorder.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

#include "image/ChannelTable.h"

namespace mox {

namespace {

int ChannelAt(int group, int position) {
    return kPositionsPerGroup * group + position;
}

ReorderResult WholeGroup() {
    ReorderResult result;
    result.Positions.resize(kPositionsPerGroup);
    std::iota(result.Positions.begin(), result.Positions.end(), 1);
    result.WholeGroup = true;
    return result;
}

// Gives every record of the group at a position in first..last the position `shift` further on.
// Each record is looked at once, so the order of the records in the table does not matter.
void ShiftPositions(ChannelTable& table, int group, int first, int last, int shift) {
    const int count = UsedChannelCount(table);
    for (int i = 0; i < count; ++i) {
        ChannelRecord& record = table.Records[i];
        if (record.Number >= ChannelAt(group, first) && record.Number <= ChannelAt(group, last))
            record.Number = static_cast<std::int16_t>(record.Number + shift);
    }
}

}  // namespace

bool CopyChannel(const ChannelTable& table, ChannelClipboard& clipboard, int group, int position) {
    const ChannelRecord* record = FindChannel(table, ChannelAt(group, position));
    if (record == nullptr)
        return false;
    clipboard.Record = *record;
    clipboard.Full = true;
    return true;
}

ReorderResult DeleteChannelAtPosition(ChannelTable& table, int group, int position, bool closeGap) {
    DeleteChannelByNumber(table, ChannelAt(group, position));
    if (!closeGap)
        return {{position}, false};
    ShiftPositions(table, group, position + 1, kPositionsPerGroup, -1);
    return WholeGroup();
}

ReorderResult InsertEmptyChannel(ChannelTable& table, int group, int position) {
    DeleteChannelByNumber(table, ChannelAt(group, kPositionsPerGroup));
    ShiftPositions(table, group, position, kPositionsPerGroup - 1, +1);
    return WholeGroup();
}

ReorderResult PasteChannel(ChannelTable& table, const ChannelClipboard& clipboard, int group, int position,
                           bool inserts) {
    if (!clipboard.Full)
        return {};
    ReorderResult result = inserts ? InsertEmptyChannel(table, group, position) : ReorderResult{{position}};
    const int number = ChannelAt(group, position);
    if (clipboard.Record.IsEmpty != 0) {
        DeleteChannelByNumber(table, number);
        return result;
    }
    ChannelRecord* record = FindChannel(table, number);
    if (record == nullptr) {
        const int count = UsedChannelCount(table);
        // A full table has a record on every number, so this only guards a damaged one.
        if (count >= kChannelCapacity)
            return result;
        record = &table.Records[count];
        table.Count = static_cast<std::int16_t>(count + 1);
    }
    *record = clipboard.Record;
    record->Number = static_cast<std::int16_t>(number);
    return result;
}

int MoveTarget(int position, bool up) {
    if (up)
        return position == 1 ? kPositionsPerGroup : position - 1;
    return position == kPositionsPerGroup ? 1 : position + 1;
}

ReorderResult MoveChannel(ChannelTable& table, int group, int position, bool up) {
    const int target = MoveTarget(position, up);
    const int from = ChannelAt(group, position);
    const int to = ChannelAt(group, target);
    const int count = UsedChannelCount(table);
    for (int i = 0; i < count; ++i) {
        ChannelRecord& record = table.Records[i];
        if (record.Number == from)
            record.Number = static_cast<std::int16_t>(to);
        else if (record.Number == to)
            record.Number = static_cast<std::int16_t>(from);
    }
    return {{std::min(position, target), std::max(position, target)}, false};
}

}  // namespace mox
