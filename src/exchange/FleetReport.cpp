#include "exchange/FleetReport.h"

#include "exchange/CsvText.h"
#include "services/NewestFiles.h"

namespace mox {

std::string FleetPortName(int portNumber) {
    return "COM" + std::to_string(portNumber);
}

std::string FleetResultText(const FleetRadioResult& result) {
    switch (result.Outcome) {
        case FleetOutcome::Written:
            return "written";
        case FleetOutcome::Verified:
            return "verified";
        case FleetOutcome::Read:
            return "read";
        case FleetOutcome::Failed:
            break;
    }
    return "failed: " + result.Reason;
}

std::string FleetReportCsv(const std::vector<FleetRadioResult>& results) {
    std::string csv = "time,port,model,band,version,result\r\n";
    for (const FleetRadioResult& result : results) {
        const bool answered = !result.Identity.ModelCode.empty();
        const std::vector<std::string> fields = {
            LocalTimeText(result.EndedAt, "%Y-%m-%d %H:%M:%S"),
            FleetPortName(result.PortNumber),
            result.Identity.ModelCode,
            answered ? std::to_string(result.Identity.BandCode) : std::string(),
            result.Identity.Version,
            FleetResultText(result)};
        for (std::size_t i = 0; i < fields.size(); ++i)
            csv += (i == 0 ? "" : ",") + CsvField(fields[i]);
        csv += "\r\n";
    }
    return csv;
}

}  // namespace mox
