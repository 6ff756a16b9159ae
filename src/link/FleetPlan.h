#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

#include "link/TransferOptions.h"
#include "link/TransferState.h"

namespace mox {

// What is done to every radio of a fleet.
enum class FleetJob { Read, Write };

// What the user chose for a run over several ports.
struct FleetPlan {
    FleetJob Job = FleetJob::Write;
    // Port numbers of the port map, one radio each at a time.
    std::vector<int> Ports;
    // After a radio, wait on its port for the next one (once the last has been taken off).
    bool Repeat = false;
    // In repeat mode: stop once this many radios have been started over all ports; 0: no limit.
    int Count = 0;
    // The band question for a radio of the same band family is answered OK (otherwise Cancel).
    bool AgreeToBandQuestion = false;
    // Verification and backups, per radio as for one.
    TransferOptions Options;
};

enum class FleetOutcome { Written, Verified, Read, Failed };

// One radio of a run, as the table and the report list it.
struct FleetRadioResult {
    int PortNumber = 0;
    // What the radio said of itself; an empty model code when it never answered.
    RadioIdentity Identity;
    FleetOutcome Outcome = FleetOutcome::Failed;
    // Why it failed, in the language in force.
    std::string Reason;
    std::int64_t Milliseconds = 0;
    // When it ended, by the system clock.
    std::time_t EndedAt = 0;
};

// Where a port stands.
enum class FleetPortState {
    Idle,
    WaitingForRadio,
    WaitingForRemoval,
    Searching,
    Writing,
    Verifying,
    Reading,
    Finished
};

struct FleetPortStatus {
    int PortNumber = 0;
    FleetPortState State = FleetPortState::Idle;
    int Percent = 0;
};

// What a run tells the terminal or the window.
class FleetView {
public:
    virtual ~FleetView() = default;
    // A port's state or percentage has changed.
    virtual void PortChanged(const FleetPortStatus& status) = 0;
    virtual void RadioFinished(const FleetRadioResult& result) = 0;
};

}  // namespace mox
