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

// A typed frequency in the "#0.00000" form, rounded to the fifth decimal; a text that is no number
// is kept as typed, and the store pulls it into the band.
std::string FrequencyCellText(std::string_view typed);

// Enter in the frequency text box. RX: the formatted text is shown and stored. TX: only a number
// is committed, a signed shift keeping its sign; the text is stored as typed.
CellCommit FrequencyCommit(int column, std::string_view typed);

// A pick in a list: the entry's text is shown and its index stored.
CellCommit ListCommit(const std::vector<std::string>& entries, int index);

// Whether the frequency text box takes a typed character: digits and "." (and "+" and "-" where a
// shift is typed). Control characters such as Backspace pass, but not the copy, paste and cut codes
// 3, 22 and 24; nothing above 127 passes.
bool FrequencyKeyAccepted(char32_t code, bool signs);

}  // namespace mox
