#pragma once

#include <QDir>
#include <QFile>
#include <QObject>
#include <functional>
#include <vector>

class AppDelegate;
class QWidget;
class ViewController;

// Walks the app through its flows against the configured server, as a person would: each step
// acts through the screens' widgets, waits until the expected screen (or text) is there, and
// saves a numbered picture of the window. tour.log gets one line per step. Runs on the real
// clock; every wait is bounded.
class Tour : public QObject {
    Q_OBJECT
  public:
    static constexpr int kStepTimeoutMillis = 20'000;

    Tour(AppDelegate& delegate, const QDir& directory);
    void start();

  signals:
    void finished(bool passed);

  private:
    struct Step {
        QString name;
        std::function<void()> action;
        std::function<bool()> reached;
        std::function<bool()> ready;  // the action waits for it (a screen still closing)
        bool acted = false;
    };

    void addSteps();
    // The timeline's steps (TourTimeline.cpp).
    void addTimelineSteps();
    void addPhoneBookSteps();
    void step(const QString& name, std::function<void()> action, std::function<bool()> reached,
              std::function<bool()> ready = {});
    void runNext();
    void poll();
    void finish(bool passed);
    void log(const QString& line);

    // Helpers the steps use.
    bool onScreen(const char* className) const;
    bool hudShows(const QString& text) const;
    bool alertShows(const QString& message) const;
    void dismissAlerts();
    void type(const QString& field, const QString& text);
    void click(const QString& button);
    template <typename T>
    T* find(const QString& name) const;
    // Pulls the timeline down as a finger would, far enough to refresh.
    void pullTimeline();

    AppDelegate& delegate_;
    QDir directory_;
    QFile log_;
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    qint64 deadline_ = 0;
    int reachedAt_ = 0;
    QString phone_;
    QString newPassword_;
};
