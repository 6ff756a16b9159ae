#pragma once

// What differs between two data files, in lines a person reads: channels added and removed with their
// values, channels changed field by field, then each changed radio-wide setting by its record name.
// Values are shown as the channel list shows them ("435.12500", "67.0", "High"); identical data give
// no line.

#include <string>
#include <vector>

#include "exchange/NamedSettings.h"
#include "records/RadioData.h"

namespace mox {

struct DataFileContent {
    const RadioData& Data;
    const CompanionRecord& Companion;
};

std::vector<std::string> DiffDataFiles(const DataFileContent& from, const DataFileContent& to);

// A channel's fields by record name with their shown values: the frequencies first, then the rest.
std::vector<NamedValue> ChannelFieldValues(const ChannelRecord& channel);

}  // namespace mox
