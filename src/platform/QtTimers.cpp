#include "platform/QtTimers.h"

namespace mox {

QtOneShotTimer::QtOneShotTimer(std::function<void()> onFire) {
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, [fire = std::move(onFire)] { fire(); });
}

void QtOneShotTimer::Start(int milliseconds) {
    m_timer.start(milliseconds);
}

void QtOneShotTimer::Stop() {
    m_timer.stop();
}

bool QtOneShotTimer::IsActive() const {
    return m_timer.isActive();
}

std::unique_ptr<OneShotTimer> QtTimerFactory::Create(std::function<void()> onFire) {
    return std::make_unique<QtOneShotTimer>(std::move(onFire));
}

QtClock::QtClock() {
    m_elapsed.start();
}

std::int64_t QtClock::NowMilliseconds() const {
    return m_elapsed.elapsed();
}

}  // namespace mox
