#include <gtest/gtest.h>
#include <QUrlQuery>

#include "core/MainQueue.h"
#include "core/NotificationCenter.h"
#include "net/ServerConfig.h"
#include "platform/WXApi.h"
#include "platform/WeiboSDK.h"
#include "services/LogicManager.h"
#include "services/RecordingAlertPresenter.h"
#include "support/HttpEndpoint.h"
#include "support/TestHome.h"
#include "support/Wait.h"

namespace {

class SharingTest : public testing::Test {
  protected:
    void SetUp() override {
        MainQueue::shared().useManualClock();
        WXApi::clearSentRequests();
        WeiboSDK::clearSentRequests();
        WeiboSDK::setWeiboAppInstalled(false);
        image.fill(QColor(0xD0, 0x24, 0x6C));
    }
    LogicManager& hub = LogicManager::sharedInstance();
    TestHome home;
    QImage image{58, 58, QImage::Format_RGB32};
};

}  // namespace

TEST_F(SharingTest, WeChatMessagesCarryTheirLinkSceneAndTheFixedExtension) {
    struct Case {
        int32_t code;
        int32_t scene;
        uint64_t feedId;
        QString link;
    };
    const QString web = ServerConfig::current().webBaseUrl();
    for (const Case& c :
         {Case{1, 0, 123, web + QStringLiteral("/message/detail?from=wx&id=123")},
          Case{0, 1, 0, ServerConfig::current().storePageUrl()}, Case{2, 0, 5, QString()}}) {
        WXApi::clearSentRequests();
        hub.sendWechatWithTitle(QStringLiteral("我在星笺看到一个秘密"), QStringLiteral("快来看看"),
                                QStringLiteral("id"), image, c.scene, c.code, c.feedId);
        ASSERT_EQ(WXApi::sentRequests().size(), 1u);
        const SendMessageToWXReq& request = WXApi::sentRequests()[0];
        EXPECT_FALSE(request.bText);
        EXPECT_EQ(request.scene, c.scene);
        EXPECT_EQ(request.message.mediaObject.url, c.link) << c.code;
        EXPECT_EQ(request.message.mediaObject.extInfo, QStringLiteral("<xml>extend info</xml>"));
        EXPECT_EQ(request.message.mediaObject.fileData, QByteArray(102400, '\0'));
        EXPECT_TRUE(request.message.thumbData.startsWith("\xFF\xD8\xFF")) << "a JPEG thumbnail";
        EXPECT_EQ(request.message.title, QStringLiteral("我在星笺看到一个秘密"));
        EXPECT_EQ(request.message.description, QStringLiteral("快来看看"));
    }
}

TEST_F(SharingTest, WeiboWithItsAppSendsTheWebPage) {
    WeiboSDK::setWeiboAppInstalled(true);
    hub.sendWeiBoWithTitle(QStringLiteral("标题"), QStringLiteral("描述"), image, 1, 123);
    ASSERT_EQ(WeiboSDK::sentRequests().size(), 1u);
    const WBWebpageObject& page = WeiboSDK::sentRequests()[0];
    EXPECT_EQ(page.objectID, QStringLiteral("identifier1"));
    EXPECT_TRUE(page.webpageUrl.endsWith(QStringLiteral("/message/detail?from=wb&id=123")));
    EXPECT_TRUE(page.thumbnailData.startsWith("\xFF\xD8\xFF"));
}

TEST_F(SharingTest, WeiboWithoutItsAppPostsTheTitleAloneAsAStatus) {
    HttpEndpoint weibo;
    WeiboSDK::setApiBase(weibo.url(QString()));
    hub.setPersistenceData(QStringLiteral("token-1"), QStringLiteral("weibotoken"));
    weibo.respond(200, "application/json", R"({"id":1})");
    hub.sendWeiBoWithTitle(QStringLiteral("我的秘密 & 你的"), QStringLiteral("不发送"), image, 1,
                           9);
    ASSERT_TRUE(waitUntil([&] { return weibo.received(); }));
    EXPECT_TRUE(weibo.requestHead().startsWith("POST /2/statuses/update.json "));
    const QUrlQuery form(QString::fromUtf8(weibo.requestBody()));
    EXPECT_EQ(form.queryItemValue(QStringLiteral("status"), QUrl::FullyDecoded),
              QStringLiteral("我的秘密 & 你的"));
    EXPECT_EQ(form.queryItemValue(QStringLiteral("access_token")), QStringLiteral("token-1"));
    EXPECT_FALSE(weibo.requestBody().contains("message"));
    settle();
    EXPECT_TRUE(hub.recordingAlertPresenter().alerts().empty());

    HttpEndpoint refusing;
    WeiboSDK::setApiBase(refusing.url(QString()));
    refusing.respond(403, "application/json", R"({"error":"no"})");
    hub.sendWeiBoWithTitle(QStringLiteral("t"), QString(), image, 1, 9);
    ASSERT_TRUE(waitUntil([&] { return !hub.recordingAlertPresenter().alerts().empty(); }));
    const auto& alert = hub.recordingAlertPresenter().alerts().front();
    EXPECT_EQ(alert.title, QStringLiteral("请求异常"));
    EXPECT_EQ(alert.message, QStringLiteral("HTTP status 403"));
    EXPECT_EQ(alert.actionText, QStringLiteral("确定"));
    WeiboSDK::setApiBase(QStringLiteral("https://api.weibo.com"));
}

TEST_F(SharingTest, WeiboAnswersThroughTheAppUrl) {
    struct Case {
        const char* url;
        const char* date;  // "set" or nullptr
        const char* uid;
        const char* token;
    };
    const Case cases[] = {
        {"wb1234567890://"
         "response?type=authorize&statusCode=1&uid=42&access_token=t&expires_in=3600",
         nullptr, nullptr, nullptr},
        {"wb1234567890://response?type=authorize&statusCode=0&access_token=t&expires_in=3600",
         "set", nullptr, nullptr},
        {"wb1234567890://"
         "response?type=authorize&statusCode=0&uid=42&access_token=tok&expires_in=3600",
         "set", "42", "tok"},
        {"wb1234567890://response?type=authorize&statusCode=0&uid=42&access_token=tok", nullptr,
         nullptr, nullptr},
    };
    for (const Case& c : cases) {
        TestHome fresh;
        EXPECT_TRUE(WeiboSDK::handleOpenURL(
            QUrl(QString::fromLatin1(c.url)),
            [this](const WBBaseResponse& r) { hub.didReceiveWeiboResponse(r); }));
        EXPECT_EQ(hub.getPersistenceStringWithKey(QStringLiteral("expirationDate")).isNull(),
                  c.date == nullptr)
            << c.url;
        EXPECT_EQ(hub.getPersistenceStringWithKey(QStringLiteral("kWeiboUid")),
                  c.uid ? QString::fromLatin1(c.uid) : QString())
            << c.url;
        EXPECT_EQ(hub.getPersistenceStringWithKey(QStringLiteral("weibotoken")),
                  c.token ? QString::fromLatin1(c.token) : QString())
            << c.url;
    }
    QObject owner;
    int results = 0;
    NotificationCenter::defaultCenter().addObserver(&owner, QStringLiteral("WBHandleResult"),
                                                    [&](const QVariant&) { ++results; });
    WeiboSDK::handleOpenURL(QUrl(QStringLiteral("wb1234567890://response?type=send&statusCode=0")),
                            [this](const WBBaseResponse& r) { hub.didReceiveWeiboResponse(r); });
    EXPECT_EQ(results, 1);
    EXPECT_FALSE(WeiboSDK::handleOpenURL(QUrl(QStringLiteral("wb1234567890://other")), {}));

    SendMessageToWXResp seen;
    EXPECT_TRUE(WXApi::handleOpenURL(
        QUrl(QStringLiteral("wxd930ea5d5a258f4f://sendresp?errcode=-2&errstr=cancel")),
        [&](const SendMessageToWXResp& r) { seen = r; }));
    EXPECT_EQ(seen.errCode, -2);
}
