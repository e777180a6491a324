#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <unordered_map>

class ClockAnimationDriver;
class QTimer;

// The one clock of the client: every delay, time-out and repeating timer goes through it.
// In production it follows real time on the Qt event loop; tests switch it to a manual
// clock and advance it, which runs due work (and Qt animations) in simulated time.
class MainQueue : public QObject {
    Q_OBJECT
  public:
    using TimerId = quint64;

    static MainQueue& shared();

    // Runs fn once after the delay. With a context, nothing runs once the context is gone.
    TimerId after(double seconds, std::function<void()> fn, const QObject* context = nullptr);
    // Runs fn every interval until cancelled (or the context is gone).
    TimerId every(double seconds, std::function<void()> fn, const QObject* context = nullptr);
    void cancel(TimerId id);
    bool isScheduled(TimerId id) const { return index_.contains(id); }
    std::size_t pendingCount() const { return entries_.size(); }

    // Monotonic time in seconds since the clock started.
    double now() const { return static_cast<double>(nowMicros()) / 1e6; }
    // Wall-clock time in seconds since 1970.
    double currentTime() const;
    qint64 currentTimeSeconds() const { return static_cast<qint64>(currentTime()); }

    // Test clock: time stands still until advance() moves it.
    void useManualClock(qint64 epochSeconds = kManualEpoch);
    void useRealClock();
    bool isManual() const { return manual_; }
    // Moves the manual clock forward, running due work in time order; Qt animations
    // advance in 60 Hz frames meanwhile.
    void advance(double seconds);

    static constexpr qint64 kManualEpoch = 1'800'000'000;  // 2027-01-15, a fixed test "now"

  private:
    struct Key {
        qint64 due;
        TimerId id;
        bool operator<(const Key& other) const {
            return due != other.due ? due < other.due : id < other.id;
        }
    };
    struct Entry {
        std::function<void()> fn;
        qint64 interval = 0;  // 0: runs once
        QPointer<QObject> context;
        bool hasContext = false;
    };

    MainQueue();
    ~MainQueue() override;
    TimerId schedule(double seconds, qint64 interval, std::function<void()> fn,
                     const QObject* context);
    qint64 nowMicros() const;
    void runDue(qint64 now);
    void armRealTimer();

    std::map<Key, Entry> entries_;
    std::unordered_map<TimerId, Key> index_;
    TimerId nextId_ = 1;
    bool manual_ = false;
    qint64 manualNow_ = 0;
    qint64 manualEpoch_ = kManualEpoch;
    QElapsedTimer realClock_;
    QTimer* realTimer_ = nullptr;
    std::unique_ptr<ClockAnimationDriver> animationDriver_;
};
