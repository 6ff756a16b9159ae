#include "image/ChannelChanges.h"

#include <set>

#include "image/ChannelTable.h"

namespace mox {
namespace {

// Every record of `after` that `before` lacks or holds otherwise, and with `withRemoved` every record of
// `before` that `after` lacks.
std::vector<int> ChannelChanges(const ChannelTable& before, const ChannelTable& after, bool withRemoved) {
    std::set<int> changed;
    for (int i = 0; i < UsedChannelCount(after); ++i) {
        const ChannelRecord& record = after.Records[static_cast<std::size_t>(i)];
        const ChannelRecord* old = FindChannel(before, record.Number);
        if (old == nullptr || !(*old == record))
            changed.insert(record.Number);
    }
    for (int i = 0; withRemoved && i < UsedChannelCount(before); ++i) {
        const int number = before.Records[static_cast<std::size_t>(i)].Number;
        if (FindChannel(after, number) == nullptr)
            changed.insert(number);
    }
    return {changed.begin(), changed.end()};
}

}  // namespace

std::vector<int> ChangedOrAddedChannels(const ChannelTable& before, const ChannelTable& after) {
    return ChannelChanges(before, after, false);
}

std::vector<int> ChangedAddedOrRemovedChannels(const ChannelTable& before, const ChannelTable& after) {
    return ChannelChanges(before, after, true);
}

}  // namespace mox
