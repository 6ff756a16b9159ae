#pragma once

#include <string>

namespace mox {

// A text of the language files with its "{0}" replaced by a value: the channel or the band code a
// message names.
std::string FilledText(std::string text, const std::string& value);

}  // namespace mox
