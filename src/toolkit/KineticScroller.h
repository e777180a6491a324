#pragma once

#include <QObject>
#include <QPoint>
#include <functional>

#include "core/MainQueue.h"

class QEvent;

// Touch scrolling of a vertical list, shared by the table and the grid: a press that moves
// less than 8 points is a tap; a longer one drags the content, and a release faster than
// 20 points/s flicks on at the finger's speed, slowing to 5 % per second, in 60 Hz frames on
// the one clock. The view tells it about its viewport's mouse events and answers through the
// callbacks.
class KineticScroller : public QObject {
    Q_OBJECT
  public:
    static constexpr int kTapSlop = 8;
    static constexpr double kFrame = 1.0 / 60;
    static constexpr double kDecelerationPerSecond = 0.05;
    static constexpr double kStopSpeed = 20;  // points per second

    explicit KineticScroller(QObject* parent) : QObject(parent) {}
    ~KineticScroller() override;

    // The viewport's mouse events (others are ignored).
    void handle(QEvent* event);
    void setEnabled(bool enabled) { enabled_ = enabled; }
    bool isDragging() const { return dragging_; }
    bool isDecelerating() const { return timer_ != 0; }
    void stopDeceleration();

    std::function<double()> offset;
    std::function<void(double offset)> setOffset;
    std::function<void(const QPoint& at)> tap;
    std::function<void()> willBeginDragging;
    // The finger moved this far up since the press (negative: down).
    std::function<void(double travel)> dragged;
    // The finger let go; true when the view took care of it (a pulled refresh control), so
    // nothing flicks.
    std::function<bool()> released;
    std::function<void(bool decelerate)> didEndDragging;
    std::function<void()> didEndDecelerating;

  private:
    void dragTo(const QPoint& position);
    void step();

    bool enabled_ = false;
    bool pressed_ = false;
    bool moved_ = false;
    bool dragging_ = false;
    QPoint pressPosition_;
    double lastY_ = 0;
    double lastTime_ = 0;
    double velocity_ = 0;  // points per second, positive when the content moves up
    MainQueue::TimerId timer_ = 0;
};
