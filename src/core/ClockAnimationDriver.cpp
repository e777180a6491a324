#include "core/ClockAnimationDriver.h"

#include "core/MainQueue.h"

namespace {
qint64 millis(const MainQueue& clock) {
    return static_cast<qint64>(clock.now() * 1000.0);
}
}  // namespace

void ClockAnimationDriver::start() {
    startMillis_ = millis(clock_);
    QAnimationDriver::start();
}

qint64 ClockAnimationDriver::elapsed() const {
    return millis(clock_) - startMillis_;
}
