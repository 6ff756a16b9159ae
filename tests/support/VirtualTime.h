#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <utility>

#include "link/Timer.h"

namespace mox::test {

// A clock and one-shot timers that move only when the test advances time, so a test of a protocol
// with 150 ms time-outs runs in no time and always the same way.
class VirtualTime : public TimerFactory, public Clock {
public:
    std::unique_ptr<OneShotTimer> Create(std::function<void()> onFire) override;
    std::int64_t NowMilliseconds() const override { return m_now; }

    // Runs an action `delayMs` from now (the fake ports deliver bytes this way).
    void Schedule(std::int64_t delayMs, std::function<void()> action);
    // Advances time by `ms`, running everything that falls due, in order.
    void RunFor(std::int64_t ms);
    // Advances time until `done` holds or `limitMs` have passed; returns `done()`.
    bool RunUntil(const std::function<bool()>& done, std::int64_t limitMs);

private:
    // Runs the earliest event due at or before `end`; false when there is none.
    bool RunNext(std::int64_t end);

    std::int64_t m_now = 0;
    std::uint64_t m_sequence = 0;
    std::map<std::pair<std::int64_t, std::uint64_t>, std::function<void()>> m_events;
};

}  // namespace mox::test
