#pragma once

#include <QElapsedTimer>
#include <QTimer>

#include "link/Timer.h"

namespace mox {

// One-shot timers and the clock on Qt's event loop.
class QtOneShotTimer : public OneShotTimer {
public:
    explicit QtOneShotTimer(std::function<void()> onFire);
    void Start(int milliseconds) override;
    void Stop() override;
    bool IsActive() const override;

private:
    QTimer m_timer;
};

class QtTimerFactory : public TimerFactory {
public:
    std::unique_ptr<OneShotTimer> Create(std::function<void()> onFire) override;
};

class QtClock : public Clock {
public:
    QtClock();
    std::int64_t NowMilliseconds() const override;

private:
    QElapsedTimer m_elapsed;
};

}  // namespace mox
