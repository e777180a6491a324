#include <QTest>

#include "app/AppDelegate.h"
#include "core/NotificationCenter.h"
#include "model/UserInfo.h"
#include "platform/Analytics.h"
#include "platform/Badge.h"
#include "platform/WeChatMessage.h"
#include "platform/WeiboSDK.h"
#include "screens/ScreenTest.h"
#include "screens/account/OldUserLoginViewController.h"
#include "screens/account/PhoneViewController.h"
#include "screens/account/SplashViewController.h"
#include "screens/feed/MainViewController.h"
#include "services/LogicManager.h"
#include "services/SettingsKeys.h"
#include "toolkit/Images.h"
#include "toolkit/PageControl.h"
#include "toolkit/PagingScrollView.h"

namespace {

// The delegate builds its own window: the fixture's goes first.
class StartUpTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        window.reset();
        flushDeletes();
    }
    void TearDown() override {
        delegate.reset();
        ScreenTest::TearDown();
    }
    AppDelegate& launch() {
        delegate = std::make_unique<AppDelegate>();
        EXPECT_TRUE(delegate->didFinishLaunchingWithOptions());
        return *delegate;
    }
    ViewController* top() const { return delegate->window()->topViewController(); }
    std::unique_ptr<AppDelegate> delegate;
};

}  // namespace

TEST_F(StartUpTest, FirstScreenFollowsTheStoredUser) {
    struct Case {
        QVariant userId;
        bool timeline;
    };
    for (const Case& c : {Case{QVariant(), false}, Case{QString(), false}, Case{"42", true}}) {
        LogicManager::sharedInstance().setPersistenceData(c.userId, SettingsKeys::USERID);
        AppDelegate& app = launch();
        if (c.timeline) {
            EXPECT_EQ(top(), &MainViewController::sharedInstance());
            EXPECT_NE(app.window()->rootWidget(), top()) << "inside a navigation stack";
        } else {
            EXPECT_EQ(top(), &SplashViewController::sharedInstance());
            EXPECT_EQ(app.window()->rootWidget(), top()) << "without a navigation stack";
        }
        delegate.reset();
        flushDeletes();
    }
}

TEST_F(StartUpTest, ServicesAreSetUpOneSecondAfterLaunch) {
    launch();
    EXPECT_EQ(Badge::applicationIconBadgeNumber(), 0);
    EXPECT_FALSE(events().contains(QStringLiteral("start")));
    advance(0.99);
    EXPECT_FALSE(Analytics::shared().isStarted());
    advance(0.02);
    EXPECT_TRUE(Analytics::shared().isStarted());
    EXPECT_TRUE(WeiboSDK::isDebugMode());
    EXPECT_EQ(WeiboSDK::registeredAppKey(), AppDelegate::kWeiboAppKey);
    const QStringList lines = Analytics::shared().loggedLines();
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.last().section('\t', 1), QStringLiteral("start\tlaunch"));
}

TEST_F(StartUpTest, BadgeFollowsNotificationsAndTheAppState) {
    AppDelegate& app = launch();
    app.didReceiveRemoteNotification({{QStringLiteral("aps"), QStringLiteral("hi")}});
    app.didReceiveRemoteNotification({});
    EXPECT_EQ(Badge::applicationIconBadgeNumber(), 2);
    EXPECT_EQ(app.window()->windowTitle(), QStringLiteral("星笺 (2)"));
    app.applicationWillEnterForeground();
    EXPECT_EQ(Badge::applicationIconBadgeNumber(), 3);
    app.applicationDidBecomeActive();
    EXPECT_EQ(Badge::applicationIconBadgeNumber(), 0);
    EXPECT_EQ(app.window()->windowTitle(), QStringLiteral("星笺"));
}

TEST_F(StartUpTest, DeviceTokenIsStrippedAndStored) {
    AppDelegate& app = launch();
    app.didRegisterForRemoteNotificationsWithDeviceToken(QStringLiteral("<0a1b 2c3d>"));
    LogicManager& hub = LogicManager::sharedInstance();
    EXPECT_EQ(hub.getPersistenceStringWithKey(SettingsKeys::apnsToken), QStringLiteral("0a1b2c3d"));
    EXPECT_TRUE(UserInfo::myselfInstance().userAPNsToken.isEmpty()) << "nobody is signed in";

    UserInfo& myself = UserInfo::myselfInstance();
    myself.userId = 3;
    myself.userKey = QStringLiteral("k");
    myself.synchronize();
    app.didRegisterForRemoteNotificationsWithDeviceToken(QStringLiteral("<ffff 0000>"));
    EXPECT_EQ(UserInfo::myselfInstance().userAPNsToken, QStringLiteral("ffff0000"));
    UserInfo::reloadMyselfInstance();
    EXPECT_EQ(UserInfo::myselfInstance().userAPNsToken, QStringLiteral("ffff0000")) << "saved";

    app.didRegisterForRemoteNotificationsWithDeviceToken(QStringLiteral("< >"));
    EXPECT_EQ(hub.getPersistenceStringWithKey(SettingsKeys::apnsToken), QStringLiteral("ffff0000"))
        << "an empty token changes nothing";
}

TEST_F(StartUpTest, UrlsStartingWithWbGoToWeiboAndAllOthersToWechat) {
    AppDelegate& app = launch();
    int wechatResults = 0;
    NotificationCenter::defaultCenter().addObserver(delegate.get(),
                                                    QStringLiteral("WXHandleResult"),
                                                    [&](const QVariant&) { ++wechatResults; });
    LogicManager& hub = LogicManager::sharedInstance();

    EXPECT_TRUE(app.openURL(QUrl(QStringLiteral(
        "wb3816052947://"
        "response?type=authorize&statusCode=0&uid=u1&access_token=t1&expires_in=60"))));
    EXPECT_EQ(hub.getPersistenceStringWithKey(QStringLiteral("weibotoken")), QStringLiteral("t1"));
    EXPECT_EQ(wechatResults, 0);

    for (const char* url : {"wx5a7c0e93d1b4f286://sendresp?errcode=0", "http://sendresp/?a=1",
                            "bw://sendresp?errcode=-2"}) {
        app.handleOpenURL(QUrl(QString::fromLatin1(url)));
    }
    EXPECT_EQ(wechatResults, 3) << "every URL not starting with wb goes to WeChat";
}

TEST_F(StartUpTest, SplashPagesPickTheirPicturesAndFollowTheSwipe) {
    AppDelegate& app = launch();
    SplashViewController& splash = SplashViewController::sharedInstance();
    ASSERT_EQ(top(), &splash);
    PagingScrollView* pages = splash.splashScollView();
    ASSERT_EQ(pages->pageCount(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(pages->page(i)->objectName(), QStringLiteral("splash%1").arg(i + 1));
    EXPECT_EQ(pages->width(), 320);
    EXPECT_EQ(splash.splashPageCtl()->currentPage(), 0);

    for (int swipe = 0; swipe < 2; ++swipe) {
        QTest::mousePress(pages, Qt::LeftButton, {}, QPoint(280, 300));
        advance(0.05);
        QTest::mouseMove(pages, QPoint(140, 300));
        advance(0.05);
        QTest::mouseMove(pages, QPoint(40, 300));
        QTest::mouseRelease(pages, Qt::LeftButton, {}, QPoint(40, 300));
        advance(0.5);
    }
    EXPECT_EQ(splash.splashPageCtl()->currentPage(), 2) << "the third page, counted from 0";
    pages->scrollToPage(0, false);
    splash.scrollViewDidEndDecelerating();

    splash.findChild<QPushButton*>(QStringLiteral("registerBtn"))->click();
    EXPECT_NE(qobject_cast<PhoneViewController*>(top()), nullptr);
    EXPECT_NE(app.window()->rootWidget(), top());
    EXPECT_TRUE(events().contains(QStringLiteral("to_join")));
    app.login();
    flushDeletes();
    splash.findChild<QPushButton*>(QStringLiteral("OldUserBtnAction"))->click();
    EXPECT_NE(qobject_cast<OldUserLoginViewController*>(top()), nullptr);
    EXPECT_TRUE(events().contains(QStringLiteral("existing_account")));
}

TEST(SplashPictures, TheSmallScreenHasItsOwnPictures) {
    struct Case {
        int height;
        const char* first;
        const char* last;
    };
    for (const Case& c : {Case{480, "splash-1", "splash-4"}, Case{568, "splash1", "splash4"},
                          Case{481, "splash1", "splash4"}}) {
        EXPECT_EQ(SplashViewController::pageImageName(0, c.height), QLatin1String(c.first));
        EXPECT_EQ(SplashViewController::pageImageName(3, c.height), QLatin1String(c.last));
        EXPECT_FALSE(imageNamed(QLatin1String(c.last)).isNull()) << c.last;
    }
}
