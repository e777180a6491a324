#include "app/StartupProbe.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>

namespace {

std::chrono::system_clock::time_point mainEntered;

// The process's start, from the kernel: includes loading the program and its libraries.
double processStartEpochSeconds() {
    QFile stat(QStringLiteral("/proc/self/stat"));
    QFile uptime(QStringLiteral("/proc/uptime"));
    if (!stat.open(QIODevice::ReadOnly) || !uptime.open(QIODevice::ReadOnly)) return 0;
    const QByteArray statText = stat.readAll();
    const QList<QByteArray> fields = statText.mid(statText.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 20) return 0;
    const double startTicks = fields.at(19).toDouble();  // field 22: starttime
    const double upSeconds = uptime.readAll().split(' ').value(0).toDouble();
    const double now =
        std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
    const double ticksPerSecond = 100;  // USER_HZ on Linux
    return now - upSeconds + startTicks / ticksPerSecond;
}

long statusKb(const char* key) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(static_cast<int>(qstrlen(key))).trimmed().split(' ').value(0).toLong();
    return -1;
}

// Watches every widget: the window itself is not painted when its screens cover it.
class FirstPaint : public QObject {
  public:
    FirstPaint(QWidget* window) : QObject(window), window_(window) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !reported_ && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == window_) {
            reported_ = true;
            // Report once the paint is done.
            QTimer::singleShot(0, this, [] {
                const auto now = std::chrono::system_clock::now();
                const double sinceMain =
                    std::chrono::duration<double, std::milli>(now - mainEntered).count();
                const double start = processStartEpochSeconds();
                const double sinceStart =
                    start > 0
                        ? (std::chrono::duration<double>(now.time_since_epoch()).count() - start) *
                              1000
                        : -1;
                const long long epochUs =
                    std::chrono::duration_cast<std::chrono::microseconds>(now.time_since_epoch())
                        .count();
                std::printf(
                    "first-paint epoch-us=%lld since-exec-ms=%.1f since-main-ms=%.1f "
                    "rss-kb=%ld hwm-kb=%ld\n",
                    epochUs, sinceStart, sinceMain, statusKb("VmRSS:"), statusKb("VmHWM:"));
                std::fflush(stdout);
                QApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QWidget* window_;
    bool reported_ = false;
};

}  // namespace

namespace StartupProbe {

void markProcessStart() {
    mainEntered = std::chrono::system_clock::now();
}

void reportFirstPaint(QWidget* window) {
    qApp->installEventFilter(new FirstPaint(window));
}

}  // namespace StartupProbe
