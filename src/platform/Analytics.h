#pragma once

#include <QString>
#include <QStringList>

// The usage-analytics service of a desktop: events by id (and an optional label) appended to
// a local log below the application home, and crash reports written when the process crashes
// and reported at the next start.
class Analytics {
  public:
    static Analytics& shared();

    void setLogEnabled(bool enabled) { logEnabled_ = enabled; }
    void setAppVersion(const QString& version) { version_ = version; }
    // Starts the service; reports a crash left by the previous run.
    void startWithAppkey(const QString& appKey, int reportPolicy, const QString& channelId);
    void updateOnlineConfig() {}
    // Writes a report file when the process dies of a fatal signal.
    void setCrashReportEnabled(bool enabled);

    void event(const QString& eventId, const QString& label = QString());
    bool isStarted() const { return started_; }

    // What the log holds: one "time<TAB>event<TAB>label" line per event.
    QStringList loggedLines() const;
    QString logPath() const;
    QString crashReportPath() const;

  private:
    Analytics() = default;
    void reportPreviousCrash();

    bool logEnabled_ = false;
    bool started_ = false;
    QString version_;
    QString appKey_;
};
