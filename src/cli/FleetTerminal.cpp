#include "cli/FleetTerminal.h"

#include <algorithm>
#include <cstdio>
#include <ostream>

#include "exchange/FleetReport.h"

namespace mox::cli {
namespace {

constexpr int kBarWidth = 20;

const char* StateWord(FleetPortState state) {
    switch (state) {
        case FleetPortState::Idle:
            return "";
        case FleetPortState::WaitingForRadio:
            return "waiting for a radio";
        case FleetPortState::WaitingForRemoval:
            return "take the radio off";
        case FleetPortState::Searching:
            return "searching";
        case FleetPortState::Writing:
            return "writing";
        case FleetPortState::Verifying:
            return "verifying";
        case FleetPortState::Reading:
            return "reading";
        case FleetPortState::Finished:
            break;
    }
    return "done";
}

bool ShowsLastResult(FleetPortState state) {
    return state == FleetPortState::WaitingForRemoval || state == FleetPortState::Finished;
}

std::string SecondsText(std::int64_t milliseconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f s", static_cast<double>(milliseconds) / 1000.0);
    return text;
}

}  // namespace

FleetTerminal::FleetTerminal(std::ostream& out, bool live, const std::vector<int>& ports)
    : m_out(out), m_live(live), m_order(ports) {
    for (int number : ports)
        m_statuses[number] = FleetPortStatus{number, FleetPortState::Idle, 0};
}

void FleetTerminal::PortChanged(const FleetPortStatus& status) {
    const FleetPortState before = m_statuses[status.PortNumber].State;
    m_statuses[status.PortNumber] = status;
    if (m_live) {
        Redraw();
    } else if (status.State != before && !ShowsLastResult(status.State)) {
        m_out << FleetPortName(status.PortNumber) << ' ' << StateWord(status.State) << std::endl;
    }
}

void FleetTerminal::RadioFinished(const FleetRadioResult& result) {
    m_lastResult[result.PortNumber] = FleetResultText(result);
    // The last block is acknowledged after the last percentage was shown.
    if (result.Outcome != FleetOutcome::Failed)
        m_statuses[result.PortNumber].Percent = 100;
    if (m_live)
        Redraw();
    else
        m_out << FleetPortName(result.PortNumber) << ' ' << FleetResultText(result) << std::endl;
}

std::string FleetTerminal::LineOf(const FleetPortStatus& status) const {
    const int percent = std::clamp(status.Percent, 0, 100);
    const int filled = percent * kBarWidth / 100;
    std::string line = FleetPortName(status.PortNumber);
    line.resize(std::max<std::size_t>(line.size() + 1, 7), ' ');
    line += "[" + std::string(static_cast<std::size_t>(filled), '#') +
            std::string(static_cast<std::size_t>(kBarWidth - filled), ' ') + "] ";
    char number[8];
    std::snprintf(number, sizeof number, "%3d%%", percent);
    line += number;
    line += "  ";
    auto last = m_lastResult.find(status.PortNumber);
    if (ShowsLastResult(status.State) && last != m_lastResult.end())
        line += last->second;
    else
        line += StateWord(status.State);
    return line;
}

// Back to the first line of the block, then every line anew.
void FleetTerminal::Redraw() {
    if (m_drawn)
        m_out << "\x1b[" << m_order.size() << 'A';
    for (int number : m_order)
        m_out << "\r\x1b[2K" << LineOf(m_statuses[number]) << '\n';
    m_out << std::flush;
    m_drawn = true;
}

void PrintFleetTable(const std::vector<FleetRadioResult>& results, std::ostream& out) {
    std::vector<std::vector<std::string>> rows = {{"port", "model", "band", "version", "time", "result"}};
    for (const FleetRadioResult& result : results) {
        const bool answered = !result.Identity.ModelCode.empty();
        rows.push_back({FleetPortName(result.PortNumber), answered ? result.Identity.ModelCode : "-",
                        answered ? std::to_string(result.Identity.BandCode) : "-",
                        answered && !result.Identity.Version.empty() ? result.Identity.Version : "-",
                        SecondsText(result.Milliseconds), FleetResultText(result)});
    }
    std::vector<std::size_t> widths(rows.front().size(), 0);
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], row[i].size());
    }
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i) {
            line += row[i];
            if (i + 1 < row.size())
                line += std::string(widths[i] - row[i].size() + 2, ' ');
        }
        out << line << '\n';
    }
}

}  // namespace mox::cli
