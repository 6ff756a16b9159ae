#pragma once

// The channel list as comma-separated text in the columns that the open-source radio programs
// exchange channel lists in, so that spreadsheets and those programs read it.

#include <array>
#include <string>
#include <string_view>

#include "records/RadioData.h"

namespace mox {

// The columns in the order they are written.
constexpr std::array<std::string_view, 21> kChannelCsvColumns = {
    "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
    "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
    "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};

// The power names, TxPower 0, 1 and 2.
constexpr std::array<std::string_view, 3> kCsvPowerNames = {"Low", "Mid", "High"};

// A header line and one line per channel in channel order, each ended by CRLF. A channel without a
// receive frequency (only a damaged file holds one) is left out.
std::string ExportChannelsCsv(const ChannelTable& channels);

}  // namespace mox
