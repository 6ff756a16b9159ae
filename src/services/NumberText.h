#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mox {

// A whole number written in decimal, with blanks around it and an optional sign; nothing for any
// other text or a number that does not fit. Independent of the locale.
std::optional<int> ParseWholeNumber(std::string_view text);

// Decimal text of a number, independent of the locale.
std::string WholeNumberText(int number);

}  // namespace mox
