#include <gtest/gtest.h>
#include <QProcess>
#include <QTemporaryDir>

namespace {

QString runProbe(const QString& home, const QString& step) {
    QProcess probe;
    probe.start(QStringLiteral(XJ_STORE_PROBE), {home, step});
    if (!probe.waitForFinished(60'000) || probe.exitCode() != 0) return QStringLiteral("failed");
    return QString::fromUtf8(probe.readAllStandardOutput()).trimmed();
}

}  // namespace

// Three starts of three processes over one home: an older version's file, this version
// widening it and saving, and a fresh start reading every record back.
TEST(Restart, ASecondStartReadsBackEveryRecordOverAnOlderFile) {
    QTemporaryDir home;
    EXPECT_EQ(runProbe(home.path(), QStringLiteral("old")), QString());
    EXPECT_EQ(runProbe(home.path(), QStringLiteral("write")), QString());
    EXPECT_EQ(runProbe(home.path(), QStringLiteral("read")).toStdString(),
              "user=9223372036854775874 key=key-of-a-big-id feeds=52 mine=50 likes=1725 "
              "collected=50 questions=5 comments=20 cursor=-1 oldRowText=null");
}
