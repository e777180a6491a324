#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <csignal>

#include "core/MainQueue.h"
#include "platform/Analytics.h"
#include "support/TestHome.h"

TEST(Analytics, EventsGoToAPrivateLocalLogByIdAndLabel) {
    MainQueue::shared().useManualClock(1'800'000'000);
    TestHome home;
    Analytics& analytics = Analytics::shared();
    analytics.event(QStringLiteral("publish_button"));
    analytics.startWithAppkey(QStringLiteral("0123456789abcdef01234567"), 0, QString());
    analytics.event(QStringLiteral("start"), QStringLiteral("星笺\t启动"));
    EXPECT_EQ(analytics.loggedLines(),
              (QStringList{QStringLiteral("1800000000\tpublish_button\t"),
                           QStringLiteral("1800000000\tstart\t星笺 启动")}));
    EXPECT_EQ(QFile::permissions(analytics.logPath()) & 0x0077, 0);
}

// A crash writes its report as the process dies; the next start reports it as an event.
TEST(Analytics, ACrashIsWrittenAtTheCrashAndReportedAtTheNextStart) {
    GTEST_FLAG_SET(death_test_style, "fast");  // the child must share this test's home
    TestHome home;
    Analytics& analytics = Analytics::shared();
    EXPECT_DEATH(
        {
            analytics.setCrashReportEnabled(true);
            std::raise(SIGSEGV);
        },
        "");
    QFile report(analytics.crashReportPath());
    ASSERT_TRUE(report.open(QIODevice::ReadOnly));
    EXPECT_TRUE(report.readLine().startsWith("crash: signal 11"));
    report.close();

    analytics.startWithAppkey(QStringLiteral("key"), 0, QString());
    const QStringList lines = analytics.loggedLines();
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_TRUE(lines.last().endsWith(QStringLiteral("\tcrash_report\tcrash: signal 11")));
    EXPECT_FALSE(QFile::exists(analytics.crashReportPath())) << "reported once, kept aside";
    analytics.startWithAppkey(QStringLiteral("key"), 0, QString());
    EXPECT_EQ(analytics.loggedLines().size(), lines.size());
    analytics.setCrashReportEnabled(false);
}
