#pragma once

#include <initializer_list>
#include <string>
#include <vector>

namespace mox {

// A text of the language files with its "{0}" replaced by a value: the channel or the band code a
// message names.
std::string FilledText(std::string text, const std::string& value);

// A text with each "{n}" replaced by the n-th value, in one pass, so that a value that itself holds
// "{1}" (a file name, a cell of an imported file) stays as it is.
std::string FilledText(const std::string& text, const std::vector<std::string>& values);
std::string FilledText(const std::string& text, std::initializer_list<std::string> values);

}  // namespace mox
