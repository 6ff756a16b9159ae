#pragma once

#include <string>
#include <string_view>

#include "records/RadioData.h"

namespace mox {

constexpr int kMessageLineCount = 4;
constexpr int kMessageLineLength = 16;

// A line of the embedded message as its box shows it: without trailing blanks and cut before a NUL.
std::string ShownMessageLine(const EmbeddedMessage& message, int line);

// Stores a box's text into its line: sixteen characters as they are, a shorter text followed by one
// NUL and blanks. What was not typed (pasted text) keeps only plain ASCII characters, which is all the
// radio's display shows. Returns the text stored.
std::string StoreMessageLine(EmbeddedMessage& message, int line, std::string_view text);

}  // namespace mox
