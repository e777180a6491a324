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
                const long long epochUs =
                    std::chrono::duration_cast<std::chrono::microseconds>(now.time_since_epoch())
                        .count();
                std::printf(
                    "first-paint epoch-us=%lld since-main-ms=%.1f "
                    "rss-kb=%ld hwm-kb=%ld\n",
                    epochUs, sinceMain, statusKb("VmRSS:"), statusKb("VmHWM:"));
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
