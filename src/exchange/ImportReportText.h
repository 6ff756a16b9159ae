#pragma once

// The report of an import as lines in the language in force: each skipped or changed row with its
// reason, then the count of channels taken and of the names and comments the radio cannot keep.

#include <string>
#include <vector>

#include "exchange/ImportReport.h"
#include "services/Messages.h"

namespace mox {

std::vector<std::string> ImportReportLines(const Messages& messages, const ImportReport& report);

}  // namespace mox
