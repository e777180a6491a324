#pragma once

#include <QAnimationDriver>

class MainQueue;

// Drives Qt animations from the manual clock, so animated transitions finish in
// simulated time in tests.
class ClockAnimationDriver : public QAnimationDriver {
  public:
    explicit ClockAnimationDriver(const MainQueue& clock) : clock_(clock) {}
    qint64 elapsed() const override;

  protected:
    void start() override;

  private:
    const MainQueue& clock_;
    qint64 startMillis_ = 0;
};
