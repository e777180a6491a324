#include "toolkit/SpringAnimation.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kFrame = 1.0 / 60;
constexpr int kSubsteps = 16;  // small steps keep a stiff spring stable
constexpr double kRest = 0.01;

double normalize(double value, double start, double end) {
    return (value - start) / (end - start);
}
double project(double normal, double start, double end) {
    return start + normal * (end - start);
}
double mix(double a, double b, double t) {
    return a * (1 - t) + b * t;
}

// The damping at which a spring of this tension just stops bouncing (fitted curves).
double noBounceFriction(double tension) {
    if (tension <= 18)
        return 0.0007 * std::pow(tension, 3) - 0.031 * std::pow(tension, 2) + 0.64 * tension + 1.28;
    if (tension <= 44)
        return 0.000044 * std::pow(tension, 3) - 0.006 * std::pow(tension, 2) + 0.36 * tension + 2;
    return 0.00000045 * std::pow(tension, 3) - 0.000332 * std::pow(tension, 2) + 0.1078 * tension +
           5.84;
}

}  // namespace

void SpringAnimation::tensionAndFriction(double bounciness, double speed, double* tension,
                                         double* friction) {
    const double bounce =
        project(normalize(std::clamp(bounciness, 0.0, 20.0) / 1.7, 0, 20), 0, 0.8);
    const double fast = normalize(std::clamp(speed, 0.0, 20.0) / 1.7, 0, 20);
    // Worked out on the "origami" scales, then turned into stiffness and damping.
    const double origamiTension = project(fast, 0.5, 200);
    // More bounciness, less damping than the no-bounce damping.
    const double origamiFriction =
        mix(noBounceFriction(origamiTension), 0.01, 2 * bounce - bounce * bounce);
    *tension = (origamiTension - 30) * 3.62 + 194;
    *friction = (origamiFriction - 8) * 3 + 25;
}

SpringAnimation::SpringAnimation(double from, double to, double bounciness, double speed,
                                 std::function<void(double)> apply, QObject* parent)
    : QObject(parent), value_(from), target_(to), apply_(std::move(apply)) {
    tensionAndFriction(bounciness, speed, &tension_, &friction_);
}

SpringAnimation::~SpringAnimation() {
    MainQueue::shared().cancel(timer_);
}

void SpringAnimation::start() {
    if (isRunning()) return;
    if (apply_) apply_(value_);
    timer_ = MainQueue::shared().every(
        kFrame, [this] { step(); }, this);
}

void SpringAnimation::stop() {
    MainQueue::shared().cancel(timer_);
    timer_ = 0;
}

void SpringAnimation::step() {
    const double dt = kFrame / kSubsteps;
    for (int i = 0; i < kSubsteps; ++i) {
        const double acceleration = -tension_ * (value_ - target_) - friction_ * velocity_;
        velocity_ += acceleration * dt;
        value_ += velocity_ * dt;
    }
    const bool resting = std::abs(value_ - target_) < kRest && std::abs(velocity_) < kRest;
    if (resting) value_ = target_;
    if (apply_) apply_(value_);
    if (!resting) return;
    stop();
    if (completionBlock) completionBlock();
}
