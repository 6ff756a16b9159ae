#pragma once

#include <iosfwd>
#include <map>
#include <string>
#include <vector>

#include "link/FleetPlan.h"

namespace mox::cli {

// The progress of a run over several ports on a terminal: one line per port (port, bar, percent,
// state) redrawn in place while stderr is a terminal; a log file gets a line for each change of state
// and for each radio that ends.
class FleetTerminal : public FleetView {
public:
    FleetTerminal(std::ostream& out, bool live, const std::vector<int>& ports);

    void PortChanged(const FleetPortStatus& status) override;
    void RadioFinished(const FleetRadioResult& result) override;

private:
    std::string LineOf(const FleetPortStatus& status) const;
    void Redraw();

    std::ostream& m_out;
    bool m_live;
    std::vector<int> m_order;
    std::map<int, FleetPortStatus> m_statuses;
    // The result of the last radio on each port, shown until the next radio starts.
    std::map<int, std::string> m_lastResult;
    bool m_drawn = false;
};

// The table at the end, one row per radio in the order they ended: port, model, band, version, time
// and result (last, as the reason of a failure may be long).
void PrintFleetTable(const std::vector<FleetRadioResult>& results, std::ostream& out);

}  // namespace mox::cli
