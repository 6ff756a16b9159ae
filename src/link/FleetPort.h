#pragma once

#include <functional>
#include <memory>
#include <string>

#include "link/FleetPlan.h"
#include "link/LinkContext.h"
#include "link/PortMap.h"
#include "link/RadioPresence.h"
#include "link/SerialPort.h"
#include "link/Timer.h"

namespace mox {

class FleetRun;

// One port of a run: its own serial port, and for each radio a transfer engine of its own with its own
// copy of the document, its prompter and its progress, so that nothing one radio does reaches another.
// In repeat mode the port calls for the next radio every second once the last one has been taken off.
class FleetPort {
public:
    FleetPort(FleetRun& run, int portNumber, std::unique_ptr<SerialPort> port);
    ~FleetPort();
    FleetPort(const FleetPort&) = delete;
    FleetPort& operator=(const FleetPort&) = delete;

    void Start();
    // No new radio is awaited; a radio being written is finished first.
    void Stop();
    bool IsFinished() const { return m_status.State == FleetPortState::Finished; }
    const FleetPortStatus& Status() const { return m_status; }

private:
    struct Radio;

    void CallForRadio();
    void OnCalled(bool present);
    void StartRadio();
    void WatchRadio();
    void FinishRadio();
    FleetRadioResult ResultOf(Radio& radio) const;
    void AfterRadio();
    void SetState(FleetPortState state, int percent);
    void OnPercent(int percent);

    FleetRun& m_run;
    std::unique_ptr<SerialPort> m_port;
    RadioPresence m_presence;
    std::unique_ptr<OneShotTimer> m_callTimer;
    std::unique_ptr<OneShotTimer> m_watchTimer;
    std::unique_ptr<Radio> m_radio;
    FleetPortStatus m_status;
    std::int64_t m_calledAt = 0;
    bool m_stopping = false;
};

// The copy of the document one radio's transfer works on: the records, the model, the language and
// the link settings, with the given port. The shared outside services (the store, the starter of
// another program version, the redrawing) stay out: a radio's transfer touches none of them.
void CopyDocumentForRadio(const LinkContext& document, int portNumber, LinkContext& radio);

}  // namespace mox
