#pragma once

// Comma-separated text as spreadsheets and other radio programs write it: fields separated by ",",
// a field in double quotes may hold commas, line ends and doubled quotes, lines end in LF, CRLF or a
// lone CR, and a UTF-8 byte-order mark in front is no part of the first field.

#include <string>
#include <string_view>
#include <vector>

namespace mox {

using CsvRecord = std::vector<std::string>;

// Every record of the text; blank lines (a trailing empty line above all) are no records. Any bytes
// are taken: a quote left open runs to the end of the text.
std::vector<CsvRecord> ReadCsvRecords(std::string_view bytes);

// One field as it is written: in double quotes, with its quotes doubled, when it holds a comma, a
// quote or a line end; as it is otherwise.
std::string CsvField(std::string_view text);

}  // namespace mox
