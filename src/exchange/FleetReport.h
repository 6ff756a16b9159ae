#pragma once

#include <string>
#include <vector>

#include "link/FleetPlan.h"

namespace mox {

// "COM3": the port's name wherever the program shows or stores it.
std::string FleetPortName(int portNumber);

// The result of one radio in a table or a report: "written", "verified", "read", or "failed: " and
// why.
std::string FleetResultText(const FleetRadioResult& result);

// The run report: a header line "time,port,model,band,version,result" and one line per radio in the
// order they ended; time is when the radio ended, local time "YYYY-MM-DD HH:MM:SS". Lines end in
// CR LF.
std::string FleetReportCsv(const std::vector<FleetRadioResult>& results);

}  // namespace mox
