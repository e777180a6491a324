#include <gtest/gtest.h>
#include <QTemporaryDir>

#include <thread>

#include "platform/Badge.h"
#include "platform/PushNotifications.h"
#include "support/Wait.h"

TEST(PushNotifications, TheTokenArrivesAsThePlatformDescribesIt) {
    PushNotifications& push = PushNotifications::shared();
    QString token, failure;
    push.didRegisterForRemoteNotificationsWithDeviceToken = [&](const QString& description) {
        token = description;
    };
    push.didFailToRegisterForRemoteNotificationsWithError = [&](const QString& error) {
        failure = error;
    };
    push.deliverToken(QStringLiteral("0a1b2c3d"));
    EXPECT_EQ(token, QStringLiteral("<0a1b2c3d>"));
    push.deliverToken(QStringLiteral("0A1B2C3D4E5F6071"));
    EXPECT_EQ(token, QStringLiteral("<0a1b2c3d 4e5f6071>"));
    push.deliverToken(QStringLiteral("xyz"));
    EXPECT_FALSE(failure.isEmpty());
    EXPECT_EQ(PushNotifications::tokenDescription(QByteArray::fromHex("0a1b2c3d4e")),
              QStringLiteral("<0a1b2c3d 4e>"));
}

TEST(PushNotifications, PayloadsReachTheRunningAppOfTheirHome) {
    QTemporaryDir home, other;
    PushNotifications& push = PushNotifications::shared();
    std::vector<QVariantMap> received;
    push.didReceiveRemoteNotification = [&](const QVariantMap& payload) {
        received.push_back(payload);
    };
    ASSERT_TRUE(push.listen(home.path()));
    bool delivered = false;
    std::thread sender([&] {
        delivered = PushNotifications::send(home.path(),
                                            R"({"aps":{"alert":"有人赞了你的秘密","badge":1}})");
    });
    EXPECT_TRUE(waitUntil([&] { return received.size() == 1; }));
    sender.join();
    EXPECT_TRUE(delivered);
    EXPECT_EQ(
        received[0].value(QStringLiteral("aps")).toMap().value(QStringLiteral("alert")).toString(),
        QStringLiteral("有人赞了你的秘密"));
    EXPECT_FALSE(PushNotifications::send(home.path(), "[1,2]")) << "not an object";
    EXPECT_FALSE(PushNotifications::send(other.path(), "{}", 200))
        << "nobody listens for that home";
}

TEST(PushNotifications, UrlsHandedBackTravelOnTheSameChannel) {
    QTemporaryDir home;
    PushNotifications& push = PushNotifications::shared();
    std::vector<QUrl> opened;
    int payloads = 0;
    push.didOpenURL = [&](const QUrl& url) { opened.push_back(url); };
    push.didReceiveRemoteNotification = [&](const QVariantMap&) { ++payloads; };
    ASSERT_TRUE(push.listen(home.path()));
    const QUrl url(QStringLiteral("wb3816052947://response?type=send&statusCode=0&x=%E6%98%9F"));
    bool delivered = false;
    std::thread sender([&] { delivered = PushNotifications::sendURL(home.path(), url); });
    EXPECT_TRUE(waitUntil([&] { return opened.size() == 1; }));
    sender.join();
    EXPECT_TRUE(delivered);
    EXPECT_EQ(opened[0], url);
    EXPECT_EQ(payloads, 0) << "a URL is not a notification";
    push.didOpenURL = nullptr;
    push.didReceiveRemoteNotification = nullptr;
}

TEST(Badge, TheDisplayFollowsTheNumber) {
    int shown = -1;
    Badge::setApplicationIconBadgeNumber(2);
    Badge::setDisplay([&](int number) { shown = number; });
    EXPECT_EQ(shown, 2);
    Badge::setApplicationIconBadgeNumber(Badge::applicationIconBadgeNumber() + 1);
    EXPECT_EQ(shown, 3);
    Badge::setDisplay(nullptr);
    Badge::setApplicationIconBadgeNumber(0);
    EXPECT_EQ(shown, 3);
}
