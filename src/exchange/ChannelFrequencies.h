#pragma once

// A channel's receive and transmit frequency as numbers of 10 Hz units, read from its stored digits
// without the band: the exchange formats and the comparison of two files show the values as they
// are stored.

#include <cstdint>
#include <optional>
#include <string>

#include "records/RadioData.h"

namespace mox {

// The receive frequency; none when its digits are empty, "FFFFFFFF" or not eight decimal digits.
std::optional<std::int64_t> RxUnitsOf(const ChannelRecord& channel);
// The transmit frequency: receive frequency +/- shift; a shift that is not seven digits counts as 0.
std::int64_t TxUnitsOf(const ChannelRecord& channel, std::int64_t rxUnits);

// "435.12500", or "" when the channel has no receive frequency.
std::string RxDisplayOf(const ChannelRecord& channel);
std::string TxDisplayOf(const ChannelRecord& channel);

}  // namespace mox
