#pragma once

#include "link/SerialPort.h"
#include "link/TransferState.h"

namespace mox {

// Hears every byte the link sends and receives, so that a fault nobody can reproduce leaves a record.
class TrafficRecorder {
public:
    virtual ~TrafficRecorder() = default;
    // A read, write or radio information read begins: times count from here.
    virtual void TransferStarted(TransferKind kind) = 0;
    virtual void Sent(const Bytes& bytes) = 0;
    virtual void Received(const Bytes& bytes) = 0;
    // The transfer is over and its port closed.
    virtual void TransferEnded(bool success) = 0;
};

}  // namespace mox
