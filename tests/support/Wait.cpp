#include "support/Wait.h"

#include <QCoreApplication>
#include <QElapsedTimer>

bool waitUntil(const std::function<bool()>& condition, int boundMillis) {
    QElapsedTimer watchdog;
    watchdog.start();
    while (!condition()) {
        if (watchdog.elapsed() > boundMillis) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 10);
    }
    return true;
}

void settle() {
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}
