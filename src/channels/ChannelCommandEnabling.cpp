#include "channels/ChannelCommandEnabling.h"

#include "image/ChannelTable.h"

namespace mox {

ChannelCommandEnabling ChannelCommandsFor(const ChannelTable& table, int number, bool clipboardFull) {
    const ChannelRecord* record = FindChannel(table, number);
    const std::string rx = record == nullptr ? std::string() : CutFixedText(record->RxDigits);
    const bool hasData = record != nullptr && !rx.empty() && rx != "FFFFFFFF" && record->IsEmpty == 0;
    return {hasData, clipboardFull};
}

}  // namespace mox
