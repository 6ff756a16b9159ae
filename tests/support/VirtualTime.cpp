#include "support/VirtualTime.h"

namespace mox::test {

namespace {

struct TimerState {
    std::function<void()> OnFire;
    bool Active = false;
    std::uint64_t Generation = 0;
};

class VirtualTimer : public OneShotTimer {
public:
    VirtualTimer(VirtualTime& time, std::function<void()> onFire)
        : m_time(time), m_state(std::make_shared<TimerState>()) {
        m_state->OnFire = std::move(onFire);
    }

    void Start(int milliseconds) override {
        m_state->Active = true;
        const std::uint64_t generation = ++m_state->Generation;
        std::weak_ptr<TimerState> weak = m_state;
        m_time.Schedule(milliseconds, [weak, generation] {
            const auto state = weak.lock();
            if (!state || !state->Active || state->Generation != generation)
                return;
            state->Active = false;
            state->OnFire();
        });
    }

    void Stop() override {
        m_state->Active = false;
        ++m_state->Generation;
    }

    bool IsActive() const override { return m_state->Active; }

private:
    VirtualTime& m_time;
    std::shared_ptr<TimerState> m_state;
};

}  // namespace

std::unique_ptr<OneShotTimer> VirtualTime::Create(std::function<void()> onFire) {
    return std::make_unique<VirtualTimer>(*this, std::move(onFire));
}

void VirtualTime::Schedule(std::int64_t delayMs, std::function<void()> action) {
    m_events.emplace(std::make_pair(m_now + delayMs, m_sequence++), std::move(action));
}

bool VirtualTime::RunNext(std::int64_t end) {
    if (m_events.empty() || m_events.begin()->first.first > end)
        return false;
    auto event = m_events.extract(m_events.begin());
    m_now = event.key().first;
    event.mapped()();
    return true;
}

void VirtualTime::RunFor(std::int64_t ms) {
    const std::int64_t end = m_now + ms;
    while (RunNext(end)) {
    }
    m_now = end;
}

bool VirtualTime::RunUntil(const std::function<bool()>& done, std::int64_t limitMs) {
    const std::int64_t end = m_now + limitMs;
    while (!done()) {
        if (!RunNext(end)) {
            m_now = end;
            break;
        }
    }
    return done();
}

}  // namespace mox::test
