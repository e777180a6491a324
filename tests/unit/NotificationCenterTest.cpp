#include <gtest/gtest.h>

#include "core/NotificationCenter.h"

TEST(NotificationCenter, DeliversToObserversOfTheNameWithTheObject) {
    auto& center = NotificationCenter::defaultCenter();
    QObject owner;
    std::vector<QVariant> seen;
    center.addObserver(&owner, QStringLiteral("reportReason"),
                       [&](const QVariant& object) { seen.push_back(object); });
    center.postNotificationName(QStringLiteral("reportReason"), QStringLiteral("广告"));
    center.postNotificationName(QStringLiteral("ConnectingServer"), true);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].toString(), QStringLiteral("广告"));
}

TEST(NotificationCenter, ObserversGoAwayWithTheirOwner) {
    auto& center = NotificationCenter::defaultCenter();
    const QString name = QStringLiteral("test.ownerDies");
    int calls = 0;
    {
        QObject owner;
        center.addObserver(&owner, name, [&](const QVariant&) { ++calls; });
        center.addObserver(&owner, name, [&](const QVariant&) { ++calls; });
        EXPECT_EQ(center.observerCount(name), 2);
    }
    EXPECT_EQ(center.observerCount(name), 0);
    center.postNotificationName(name);
    EXPECT_EQ(calls, 0);
}

TEST(NotificationCenter, AnObserverMayRemoveAnotherDuringDelivery) {
    auto& center = NotificationCenter::defaultCenter();
    const QString name = QStringLiteral("test.removal");
    QObject first, second;
    int secondCalls = 0;
    center.addObserver(&first, name, [&](const QVariant&) { center.removeObserver(&second); });
    center.addObserver(&second, name, [&](const QVariant&) { ++secondCalls; });
    center.postNotificationName(name);
    EXPECT_EQ(secondCalls, 0);
    center.removeObserver(&first);
}
