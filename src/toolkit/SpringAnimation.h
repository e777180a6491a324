#pragma once

#include <QObject>
#include <functional>

#include "core/MainQueue.h"

// A value that springs from one number to another (a panel bouncing into place): a damped
// spring of unit mass whose stiffness and damping come from bounciness and speed on the
// usual 0–20 scales of spring engines. Stepped in 60 Hz frames on the one clock.
class SpringAnimation : public QObject {
    Q_OBJECT
  public:
    SpringAnimation(double from, double to, double bounciness, double speed,
                    std::function<void(double value)> apply, QObject* parent = nullptr);
    ~SpringAnimation() override;

    void start();
    void stop();
    bool isRunning() const { return timer_ != 0; }
    double value() const { return value_; }
    std::function<void()> completionBlock;

    // Stiffness (tension) and damping (friction) for bounciness and speed (each 0–20).
    static void tensionAndFriction(double bounciness, double speed, double* tension,
                                   double* friction);

  private:
    void step();

    double value_;
    double target_;
    double velocity_ = 0;
    double tension_ = 0;
    double friction_ = 0;
    std::function<void(double)> apply_;
    MainQueue::TimerId timer_ = 0;
};
