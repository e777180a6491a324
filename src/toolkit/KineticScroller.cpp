#include "toolkit/KineticScroller.h"

#include <QMouseEvent>
#include <cmath>

KineticScroller::~KineticScroller() {
    stopDeceleration();
}

void KineticScroller::handle(QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton) return;
            const bool wasDecelerating = isDecelerating();
            stopDeceleration();
            pressed_ = true;
            moved_ = wasDecelerating;  // a touch that stops a flick is not a tap
            pressPosition_ = mouse->position().toPoint();
            return;
        }
        case QEvent::MouseMove: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (!pressed_) return;
            if (!moved_ &&
                (mouse->position().toPoint() - pressPosition_).manhattanLength() > kTapSlop) {
                moved_ = true;
                if (enabled_) {
                    dragging_ = true;
                    lastY_ = pressPosition_.y();
                    lastTime_ = MainQueue::shared().now();
                    velocity_ = 0;
                    if (willBeginDragging) willBeginDragging();
                }
            }
            if (dragging_) dragTo(mouse->position().toPoint());
            return;
        }
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton || !pressed_) return;
            pressed_ = false;
            if (!dragging_) {
                if (!moved_ && tap) tap(mouse->position().toPoint());
                return;
            }
            dragTo(mouse->position().toPoint());
            dragging_ = false;
            if (released && released()) return;
            const bool decelerate = std::abs(velocity_) >= kStopSpeed;
            if (didEndDragging) didEndDragging(decelerate);
            if (decelerate)
                timer_ = MainQueue::shared().every(
                    kFrame, [this] { step(); }, this);
            return;
        }
        default:
            return;
    }
}

void KineticScroller::dragTo(const QPoint& position) {
    const double now = MainQueue::shared().now();
    const double dt = now - lastTime_;
    if (dt > 0) velocity_ = (lastY_ - position.y()) / dt;
    lastY_ = position.y();
    lastTime_ = now;
    if (dragged) dragged(pressPosition_.y() - position.y());
}

void KineticScroller::step() {
    const double before = offset();
    const double target = before + velocity_ * kFrame;
    setOffset(target);
    velocity_ *= std::pow(kDecelerationPerSecond, kFrame);
    const double after = offset();
    const bool atEdge = after == before || std::abs(after - target) >= 1;
    if (std::abs(velocity_) < kStopSpeed || atEdge) {
        stopDeceleration();
        if (didEndDecelerating) didEndDecelerating();
    }
}

void KineticScroller::stopDeceleration() {
    MainQueue::shared().cancel(timer_);
    timer_ = 0;
}
