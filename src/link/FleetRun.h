#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "link/FleetPlan.h"
#include "link/FleetPort.h"
#include "link/LinkContext.h"
#include "link/PortMap.h"
#include "link/SerialPort.h"
#include "link/Timer.h"

namespace mox {

// Reads or writes the radios on several ports at the same time, one transfer engine per port, all on
// the one event loop the program already has. A transfer spends nearly all its time waiting for the
// line (a reply takes 23 ms at 9600 baud, the program needs microseconds for it), so eight ports keep
// one thread idle most of the time; threads would add locks around the shared port map, texts and
// files and gain nothing. A radio that fails ends alone; the others go on.
class FleetRun {
public:
    using PortMaker = std::function<std::unique_ptr<SerialPort>()>;
    // The radio that has been read, still in its transfer's copy: the caller keeps it (saves it) and
    // returns "" or why that failed.
    using KeepReadRadio = std::function<std::string(int portNumber, LinkContext& radio)>;

    // The document is copied now: what is written is the data as they were at the start.
    FleetRun(const LinkContext& document, FleetPlan plan, PortMaker makePort, TimerFactory& timers,
             const Clock& clock, PortMap& ports, FleetView& view);
    ~FleetRun();
    FleetRun(const FleetRun&) = delete;
    FleetRun& operator=(const FleetRun&) = delete;

    void Start();
    // Ctrl+C or Stop: no port waits for another radio; radios being written are finished first.
    void Stop();
    bool IsRunning() const;
    const std::vector<FleetRadioResult>& Results() const { return m_results; }
    std::vector<FleetPortStatus> Statuses() const;
    // Every radio succeeded, and there was at least one.
    bool AllSucceeded() const;

    KeepReadRadio KeepRead;

    // For the ports of the run.
    const LinkContext& Document() const { return m_document; }
    const FleetPlan& Plan() const { return m_plan; }
    TimerFactory& Timers() { return m_timers; }
    const Clock& RunClock() const { return m_clock; }
    PortMap& Ports() { return m_ports; }
    FleetView& View() { return m_view; }
    // A port may take one more radio: the run goes on and the count is not reached. Taking it counts.
    bool TakeRadio();
    void Record(const FleetRadioResult& result);

private:
    LinkContext m_document;
    FleetPlan m_plan;
    TimerFactory& m_timers;
    const Clock& m_clock;
    PortMap& m_ports;
    FleetView& m_view;
    std::vector<std::unique_ptr<FleetPort>> m_fleet;
    std::vector<FleetRadioResult> m_results;
    int m_taken = 0;
    bool m_stopping = false;
};

}  // namespace mox
