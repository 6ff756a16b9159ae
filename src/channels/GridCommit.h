#pragma once

// What committing an in-place editor of the channel list does: the text the cell shows at once and
// the value stored with SetChannelField. The redraw that follows the store replaces the cell text by
// what was stored (the band limit after a clamp, for example).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mox {

struct CellCommit {
    std::string Cell;
    std::optional<std::string> Stored;  // nothing is stored without a value
};

// Enter in the frequency text box. RX: the text formatted as a committed cell shows it is shown and
// stored. TX: only a number is committed, a signed shift keeping its sign; it is stored as typed.
CellCommit FrequencyCommit(int column, std::string_view typed);

// A pick in a list: the entry's text is shown and its index stored.
CellCommit ListCommit(const std::vector<std::string>& entries, int index);

}  // namespace mox
