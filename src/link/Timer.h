#pragma once

#include <cstdint>
#include <functional>
#include <memory>

namespace mox {

// A one-shot timer on the user-interface thread. Starting it again restarts the interval.
class OneShotTimer {
public:
    virtual ~OneShotTimer() = default;
    virtual void Start(int milliseconds) = 0;
    virtual void Stop() = 0;
    virtual bool IsActive() const = 0;
};

class TimerFactory {
public:
    virtual ~TimerFactory() = default;
    virtual std::unique_ptr<OneShotTimer> Create(std::function<void()> onFire) = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t NowMilliseconds() const = 0;
};

}  // namespace mox
