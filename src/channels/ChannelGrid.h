#pragma once

// The channel list shows one group of 16 channels at a time, one row per position, in eleven columns.
// Columns 1 to 9 show one field of the channel each and are also the column argument of
// SetChannelField; column 0 is the position, column 3 is hidden and column 10 opens the channel
// editor.

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "records/ModelState.h"
#include "records/RadioData.h"
#include "services/Messages.h"

namespace mox {

namespace GridColumn {
enum : int { Position, Rx, Tx, Name, RxTone, TxTone, Power, Skip, Signalling, Spacing, Details };
}  // namespace GridColumn

constexpr int kGridColumnCount = 11;
constexpr int kGridRowCount = kPositionsPerGroup;

// The language text of a number.
using TextOf = std::function<std::string(int number)>;

// One text per column.
using GridRowTexts = std::array<std::string, kGridColumnCount>;
// The entries of each list column, in index order (the stored value is the index); empty for the
// columns that have no list.
using GridLists = std::array<std::vector<std::string>, kGridColumnCount>;

// Channel 16 * group + row of group index 0..7 and row 1..16.
int GridChannelNumber(int group, int row);

// The text number of a column's title; the TX column is titled as a shift while the shift is shown.
int GridColumnTitle(int column, bool showTxAsShift);

// The tone columns offer the tone list with the channel list's own none text; power, scan skip,
// signalling and spacing offer their texts.
GridLists GridListEntries(const TextOf& text);

// The entry a list shows for a stored value: a value outside the list shows the first entry.
const std::string& ListEntryText(const std::vector<std::string>& entries, int value);

// Columns 1, 2 and 4 to 9 of a channel's row; every column is empty without a channel. The TX
// column holds the TX frequency, or the signed shift when `showShift`.
GridRowTexts ChannelRowTexts(const ModelState& model, const Messages& messages, const ChannelRecord* record,
                             const GridLists& lists, bool showShift);

// The window caption: "Group 1 --- [CH 5]" in the texts of the language.
std::string GridCaption(const TextOf& text, int group, int row);

}  // namespace mox
