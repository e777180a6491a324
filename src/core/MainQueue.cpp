#include "core/MainQueue.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QTimer>
#include <cmath>

#include "core/ClockAnimationDriver.h"

namespace {
constexpr qint64 kFrameMicros = 16'667;

qint64 toMicros(double seconds) {
    return std::max<qint64>(0, std::llround(seconds * 1e6));
}
}  // namespace

MainQueue& MainQueue::shared() {
    static auto* instance = new MainQueue;  // lives for the whole process
    return *instance;
}

MainQueue::MainQueue() : realTimer_(new QTimer(this)) {
    realClock_.start();
    realTimer_->setSingleShot(true);
    realTimer_->setTimerType(Qt::PreciseTimer);
    connect(realTimer_, &QTimer::timeout, this, [this] {
        runDue(nowMicros());
        armRealTimer();
    });
}

MainQueue::~MainQueue() = default;

qint64 MainQueue::nowMicros() const {
    return manual_ ? manualNow_ : realClock_.nsecsElapsed() / 1000;
}

double MainQueue::currentTime() const {
    if (manual_) return static_cast<double>(manualEpoch_) + static_cast<double>(manualNow_) / 1e6;
    return static_cast<double>(QDateTime::currentMSecsSinceEpoch()) / 1e3;
}

MainQueue::TimerId MainQueue::after(double seconds, std::function<void()> fn,
                                    const QObject* context) {
    return schedule(seconds, 0, std::move(fn), context);
}

MainQueue::TimerId MainQueue::every(double seconds, std::function<void()> fn,
                                    const QObject* context) {
    // A zero interval would spin; a repeating timer fires at most once per microsecond.
    return schedule(seconds, std::max<qint64>(1, toMicros(seconds)), std::move(fn), context);
}

MainQueue::TimerId MainQueue::schedule(double seconds, qint64 interval, std::function<void()> fn,
                                       const QObject* context) {
    const TimerId id = nextId_++;
    const Key key{nowMicros() + toMicros(seconds), id};
    Entry entry{std::move(fn), interval, QPointer<QObject>(const_cast<QObject*>(context)),
                context != nullptr};
    entries_.emplace(key, std::move(entry));
    index_.emplace(id, key);
    armRealTimer();
    return id;
}

void MainQueue::cancel(TimerId id) {
    const auto it = index_.find(id);
    if (it == index_.end()) return;
    entries_.erase(it->second);
    index_.erase(it);
    armRealTimer();
}

void MainQueue::runDue(qint64 now) {
    while (!entries_.empty() && entries_.begin()->first.due <= now) {
        auto node = entries_.extract(entries_.begin());
        const Key key = node.key();
        Entry& entry = node.mapped();
        if (entry.hasContext && !entry.context) {
            index_.erase(key.id);
            continue;
        }
        std::function<void()> fn = entry.fn;
        if (entry.interval > 0) {
            qint64 next = key.due + entry.interval;
            if (!manual_ && next <= now) next = now + entry.interval;  // skip missed ticks
            node.key() = Key{next, key.id};
            index_[key.id] = node.key();
            entries_.insert(std::move(node));
        } else {
            index_.erase(key.id);
        }
        fn();
    }
}

void MainQueue::armRealTimer() {
    if (manual_ || entries_.empty()) {
        realTimer_->stop();
        return;
    }
    const qint64 wait = entries_.begin()->first.due - nowMicros();
    realTimer_->start(static_cast<int>(std::clamp<qint64>((wait + 999) / 1000, 0, INT32_MAX)));
}

void MainQueue::useManualClock(qint64 epochSeconds) {
    manual_ = true;
    manualNow_ = 0;
    manualEpoch_ = epochSeconds;
    entries_.clear();
    index_.clear();
    realTimer_->stop();
    if (!animationDriver_) {
        animationDriver_ = std::make_unique<ClockAnimationDriver>(*this);
        animationDriver_->install();
    }
}

void MainQueue::useRealClock() {
    if (animationDriver_) {
        animationDriver_->uninstall();
        animationDriver_.reset();
    }
    manual_ = false;
    entries_.clear();
    index_.clear();
    armRealTimer();
}

void MainQueue::advance(double seconds) {
    if (!manual_) return;
    const qint64 target = manualNow_ + toMicros(seconds);
    while (true) {
        // Qt starts animation timers through queued calls, two levels deep; let them land
        // before time moves.
        for (int round = 0; round < 3; ++round)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
        qint64 step = target;
        if (!entries_.empty()) step = std::min(step, entries_.begin()->first.due);
        const bool animating = animationDriver_ && animationDriver_->isRunning();
        if (animating) step = std::min(step, manualNow_ + kFrameMicros);
        manualNow_ = std::max(manualNow_, step);
        runDue(manualNow_);
        if (animationDriver_ && animationDriver_->isRunning()) animationDriver_->advance();
        if (manualNow_ >= target) break;
    }
}
