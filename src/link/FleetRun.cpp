#include "link/FleetRun.h"

#include <algorithm>

namespace mox {

FleetRun::FleetRun(const LinkContext& document, FleetPlan plan, PortMaker makePort, TimerFactory& timers,
                   const Clock& clock, PortMap& ports, FleetView& view)
    : m_plan(std::move(plan)), m_timers(timers), m_clock(clock), m_ports(ports), m_view(view) {
    CopyDocumentForRadio(document, document.Link.PortNumber, m_document);
    // Another port belongs to another radio, and the program's own link settings stay as they are.
    m_plan.Options.SearchOwnPortOnly = true;
    // One serial trace would mix the traffic of every port.
    m_plan.Options.Recorder = nullptr;
    for (int number : m_plan.Ports)
        m_fleet.push_back(std::make_unique<FleetPort>(*this, number, makePort()));
}

FleetRun::~FleetRun() = default;

void FleetRun::Start() {
    for (auto& port : m_fleet)
        port->Start();
}

void FleetRun::Stop() {
    m_stopping = true;
    for (auto& port : m_fleet)
        port->Stop();
}

bool FleetRun::IsRunning() const {
    return std::any_of(m_fleet.begin(), m_fleet.end(), [](const auto& port) { return !port->IsFinished(); });
}

std::vector<FleetPortStatus> FleetRun::Statuses() const {
    std::vector<FleetPortStatus> statuses;
    for (const auto& port : m_fleet)
        statuses.push_back(port->Status());
    return statuses;
}

bool FleetRun::AllSucceeded() const {
    return !m_results.empty() && std::none_of(m_results.begin(), m_results.end(), [](const auto& result) {
        return result.Outcome == FleetOutcome::Failed;
    });
}

bool FleetRun::TakeRadio() {
    if (m_stopping || (m_plan.Repeat && m_plan.Count > 0 && m_taken >= m_plan.Count))
        return false;
    ++m_taken;
    return true;
}

void FleetRun::Record(const FleetRadioResult& result) {
    m_results.push_back(result);
    m_view.RadioFinished(result);
    // The ports still waiting for a radio wait for nothing now.
    if (m_plan.Repeat && m_plan.Count > 0 && static_cast<int>(m_results.size()) >= m_plan.Count)
        Stop();
}

}  // namespace mox
