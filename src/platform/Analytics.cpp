#include "platform/Analytics.h"

#include <execinfo.h>
#include <fcntl.h>
#include <unistd.h>

#include <QDateTime>
#include <QFile>
#include <QTextStream>
#include <csignal>
#include <cstring>

#include "core/ApplicationHome.h"
#include "core/MainQueue.h"

namespace {

int gCrashFile = -1;
constexpr int kSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};

void writeText(const char* text) {
    if (gCrashFile >= 0) [[maybe_unused]]
        const ssize_t n = ::write(gCrashFile, text, std::strlen(text));
}

// Only async-signal-safe calls: the process is dying.
void onFatalSignal(int signal) {
    if (gCrashFile >= 0) {
        writeText("crash: signal ");
        char number[8];
        int length = 0;
        for (int value = signal; value > 0 && length < 7; value /= 10)
            number[length++] = static_cast<char>('0' + value % 10);
        for (int i = length - 1; i >= 0; --i)
            [[maybe_unused]] const ssize_t n = ::write(gCrashFile, &number[i], 1);
        writeText("\n");
        void* frames[64];
        const int count = ::backtrace(frames, 64);
        ::backtrace_symbols_fd(frames, count, gCrashFile);
        ::fsync(gCrashFile);
        ::close(gCrashFile);
        gCrashFile = -1;
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

}  // namespace

Analytics& Analytics::shared() {
    static auto* instance = new Analytics;  // lives for the whole process
    return *instance;
}

QString Analytics::logPath() const {
    return ApplicationHome::filePath(QStringLiteral("Library/Analytics/events.log"));
}
QString Analytics::crashReportPath() const {
    return ApplicationHome::filePath(QStringLiteral("Library/Analytics/crash.log"));
}

void Analytics::startWithAppkey(const QString& appKey, int, const QString&) {
    appKey_ = appKey;
    started_ = true;
    reportPreviousCrash();
}

void Analytics::setCrashReportEnabled(bool enabled) {
    if (gCrashFile >= 0) {
        ::close(gCrashFile);
        gCrashFile = -1;
    }
    if (!enabled) {
        for (const int signal : kSignals)
            std::signal(signal, SIG_DFL);
        return;
    }
    // Opened now: nothing may be allocated or looked up once a crash is under way.
    const QByteArray path = QFile::encodeName(crashReportPath());
    gCrashFile = ::open(path.constData(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    for (const int signal : kSignals)
        std::signal(signal, onFatalSignal);
}

void Analytics::reportPreviousCrash() {
    QFile report(crashReportPath());
    if (!report.exists() || report.size() == 0) return;
    if (!report.open(QIODevice::ReadOnly)) return;
    const QString first = QString::fromUtf8(report.readLine()).trimmed();
    report.close();
    event(QStringLiteral("crash_report"), first);
    const QString kept = crashReportPath() + QStringLiteral(".reported-") +
                         QString::number(MainQueue::shared().currentTimeSeconds());
    QFile::rename(crashReportPath(), kept);
    if (gCrashFile >= 0) setCrashReportEnabled(true);  // a fresh file for this run
}

void Analytics::event(const QString& eventId, const QString& label) {
    QFile log(logPath());
    const bool created = !log.exists();
    if (!log.open(QIODevice::Append | QIODevice::Text)) return;
    if (created) log.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    QTextStream out(&log);
    QString clean = label;
    clean.replace('\t', ' ').replace('\n', ' ');
    out << MainQueue::shared().currentTimeSeconds() << '\t' << eventId << '\t' << clean << '\n';
    if (logEnabled_) qInfo("analytics: %s %s", qPrintable(eventId), qPrintable(clean));
}

QStringList Analytics::loggedLines() const {
    QFile log(logPath());
    if (!log.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    return QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts);
}
