#pragma once

// Every radio-wide setting of a data file as a record name and its value, in record order:
// "OptionSettings.SquelchLevel 3", "DtmfSettings.AutoDial[2].Digits 123", "AlertSettings.AlarmMode 1".

#include <string>
#include <utility>
#include <vector>

#include "records/RadioData.h"

namespace mox {

using NamedValue = std::pair<std::string, std::string>;

std::vector<NamedValue> NamedSettings(const RadioData& data, const CompanionRecord& companion);

}  // namespace mox
