#include "services/Common.h"

#include <QDateTime>
#include <cstdio>

#include "core/MainQueue.h"

QString Common::timeIntervalStringFromTime(double time) {
    const double age = MainQueue::shared().currentTime() - time;
    if (age >= 172800) {
        return QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(time * 1000))
            .toLocalTime()
            .toString(QStringLiteral("MM-dd"));
    }
    if (age >= 86400) return QStringLiteral("1天前");
    if (age >= 3600) return QStringLiteral("%1小时前").arg(static_cast<qint64>(age) / 3600 + 1);
    if (age > 60) return QStringLiteral("%1分钟前").arg(static_cast<qint64>(age / 60));
    if (age >= 5) {
        char seconds[32];
        std::snprintf(seconds, sizeof seconds, "%.0f", age);  // printf's rounding
        return QString::fromLatin1(seconds) + QStringLiteral("秒前");
    }
    return QStringLiteral("刚刚");
}
