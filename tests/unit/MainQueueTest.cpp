#include <gtest/gtest.h>
#include <QPropertyAnimation>

#include "core/MainQueue.h"

namespace {

class MainQueueTest : public testing::Test {
  protected:
    void SetUp() override { queue.useManualClock(); }
    MainQueue& queue = MainQueue::shared();
};

class Dial : public QObject {
    Q_OBJECT
    Q_PROPERTY(double value MEMBER value)
  public:
    double value = 0;
};

}  // namespace

TEST_F(MainQueueTest, AfterRunsOnceWhenItsTimeComesInTimeOrder) {
    std::vector<int> order;
    queue.after(2.0, [&] { order.push_back(2); });
    queue.after(1.0, [&] { order.push_back(1); });
    queue.after(1.0, [&] { order.push_back(11); });  // same time: scheduling order
    queue.advance(0.999);
    EXPECT_TRUE(order.empty());
    queue.advance(0.001);
    EXPECT_EQ(order, (std::vector<int>{1, 11}));
    queue.advance(10);
    EXPECT_EQ(order, (std::vector<int>{1, 11, 2}));
    EXPECT_EQ(queue.pendingCount(), 0u);
}

TEST_F(MainQueueTest, EveryRepeatsUntilCancelledAndWorkScheduledDuringAdvanceRuns) {
    int ticks = 0;
    double chainedAt = -1;
    const auto id = queue.every(4.0, [&] { ++ticks; });
    queue.after(1.0, [&] { queue.after(2.0, [&] { chainedAt = queue.now(); }); });
    queue.advance(20.0);
    EXPECT_EQ(ticks, 5);
    EXPECT_DOUBLE_EQ(chainedAt, 3.0);
    queue.cancel(id);
    queue.advance(20.0);
    EXPECT_EQ(ticks, 5);
    EXPECT_FALSE(queue.isScheduled(id));
}

TEST_F(MainQueueTest, CancelFromInsideACallbackAndContextLifetime) {
    int ticks = 0;
    MainQueue::TimerId id = 0;
    id = queue.every(1.0, [&] {
        if (++ticks == 2) queue.cancel(id);
    });
    queue.advance(5.0);
    EXPECT_EQ(ticks, 2);

    int ran = 0;
    auto* owner = new QObject;
    queue.after(
        1.0, [&] { ++ran; }, owner);
    queue.every(
        1.0, [&] { ++ran; }, owner);
    delete owner;
    queue.advance(5.0);
    EXPECT_EQ(ran, 0);
    EXPECT_EQ(queue.pendingCount(), 0u) << "a dead owner's repeating timer is dropped";
}

TEST_F(MainQueueTest, WallClockFollowsTheManualClock) {
    queue.useManualClock(1'700'000'000);
    EXPECT_EQ(queue.currentTimeSeconds(), 1'700'000'000);
    queue.advance(90.5);
    EXPECT_EQ(queue.currentTimeSeconds(), 1'700'000'090);
    EXPECT_DOUBLE_EQ(queue.now(), 90.5);
}

TEST_F(MainQueueTest, QtAnimationsRunOnTheSameClock) {
    Dial dial;
    QPropertyAnimation animation(&dial, "value");
    animation.setDuration(300);
    animation.setStartValue(0.0);
    animation.setEndValue(100.0);
    animation.start();
    queue.advance(0.15);
    EXPECT_GT(dial.value, 30.0);
    EXPECT_LT(dial.value, 70.0);
    EXPECT_EQ(animation.state(), QAbstractAnimation::Running);
    queue.advance(0.2);
    EXPECT_EQ(animation.state(), QAbstractAnimation::Stopped);
    EXPECT_DOUBLE_EQ(dial.value, 100.0);
}

#include "MainQueueTest.moc"
