#pragma once

#include <optional>
#include <string>

#include "records/RadioImage.h"
#include "services/Messages.h"

namespace mox {

// The first address at which what the radio gave back differs from what was written to it; none
// when every written byte came back.
std::optional<int> FirstDifference(const RadioImage& written, const RadioImage& readBack);

// What the byte at `address` belongs to: "channel 3: RX frequency", "embedded message line 2".
std::string ImageAreaText(const Messages& messages, int address);

// The message of a write whose read-back differs at `address`.
std::string VerifyMismatchText(const Messages& messages, int address, int written, int readBack);

}  // namespace mox
