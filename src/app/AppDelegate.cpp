#include "app/AppDelegate.h"

#include <QGuiApplication>
#include <QtDebug>

#include "core/MainQueue.h"
#include "core/NotificationCenter.h"
#include "model/UserInfo.h"
#include "net/NetWorkEngine.h"
#include "platform/Analytics.h"
#include "platform/Badge.h"
#include "platform/StatusBar.h"
#include "platform/WXApi.h"
#include "platform/WeiboSDK.h"
#include "screens/account/SplashViewController.h"
#include "screens/feed/MainViewController.h"
#include "services/LogicManager.h"
#include "services/SettingsKeys.h"
#include "toolkit/PhoneWindow.h"
#include "toolkit/WidgetAlertPresenter.h"

AppDelegate::AppDelegate() = default;

AppDelegate::~AppDelegate() {
    LogicManager::sharedInstance().setAlertPresenter(nullptr);
    NotificationCenter::defaultCenter().removeObserver(this);
}

bool AppDelegate::didFinishLaunchingWithOptions() {
    window_ = std::make_unique<PhoneWindow>();
    Badge::setDisplay([window = window_.get()](int number) {
        window->setWindowTitle(number > 0 ? QStringLiteral("星笺 (%1)").arg(number)
                                          : QStringLiteral("星笺"));
    });
    alerts_ = std::make_unique<WidgetAlertPresenter>(window_.get());
    LogicManager::sharedInstance().setAlertPresenter(alerts_.get());
    Badge::setApplicationIconBadgeNumber(0);
    NotificationCenter::defaultCenter().addObserver(
        this, QStringLiteral("ConnectingServer"), [this](const QVariant&) { connectingServer(); });
    NetWorkEngine::shareInstance().connectToServer();
    login();
    initApplication();
    WXApi::registerApp(kWechatAppId);
    WeiboSDK::registerApp(kWeiboAppKey);
    window_->show();
    StatusBar::setStyle(StatusBar::Style::LightContent);
    followApplicationState();
    return true;
}

void AppDelegate::login() {
    const QString userId =
        LogicManager::sharedInstance().getPersistenceStringWithKey(SettingsKeys::USERID);
    if (!userId.isEmpty())
        MainViewController::showAsRoot();
    else
        LogicManager::sharedInstance().setRootViewContrller(
            &SplashViewController::sharedInstance());
}

void AppDelegate::initApplication() {
    MainQueue::shared().after(
        kServiceSetUpDelay,
        [] {
            WeiboSDK::enableDebugMode(true);
            WeiboSDK::registerApp(kWeiboAppKey);
            Analytics& analytics = Analytics::shared();
            analytics.setLogEnabled(false);
            analytics.setAppVersion(QCoreApplication::applicationVersion());
            analytics.startWithAppkey(kAnalyticsAppKey, 0, QString());
            analytics.updateOnlineConfig();
            analytics.setCrashReportEnabled(true);
            analytics.event(QStringLiteral("start"), kStartLabel);
        },
        this);
}

void AppDelegate::didRegisterForRemoteNotificationsWithDeviceToken(
    const QString& tokenDescription) {
    QString token = tokenDescription;
    token.remove('<').remove('>').remove(' ');
    if (token.isEmpty()) return;
    UserInfo& myself = UserInfo::myselfInstance();
    if (myself.userId != 0 && !myself.userKey.isEmpty()) {
        myself.userAPNsToken = token;
        myself.synchronize();
    }
    LogicManager::sharedInstance().setPersistenceData(token, SettingsKeys::apnsToken);
}

void AppDelegate::didFailToRegisterForRemoteNotificationsWithError(const QString& error) {
    qWarning("Failed to get token,err %s", qPrintable(error));
}

void AppDelegate::didReceiveRemoteNotification(const QVariantMap& payload) {
    Badge::setApplicationIconBadgeNumber(Badge::applicationIconBadgeNumber() + 1);
    for (auto it = payload.cbegin(); it != payload.cend(); ++it)
        qInfo("key: %s, value: %s", qPrintable(it.key()), qPrintable(it.value().toString()));
}

void AppDelegate::applicationWillEnterForeground() {
    Badge::setApplicationIconBadgeNumber(3);
}

void AppDelegate::applicationDidBecomeActive() {
    Badge::setApplicationIconBadgeNumber(0);
}

bool AppDelegate::openURL(const QUrl& url) {
    if (url.toString(QUrl::FullyEncoded).startsWith(QLatin1String("wb"))) {
        return WeiboSDK::handleOpenURL(url, [](const WBBaseResponse& response) {
            LogicManager::sharedInstance().didReceiveWeiboResponse(response);
        });
    }
    return WXApi::handleOpenURL(url,
                                [this](const SendMessageToWXResp& response) { onResp(response); });
}

void AppDelegate::onResp(const SendMessageToWXResp& response) {
    NotificationCenter::defaultCenter().postNotificationName(QStringLiteral("WXHandleResult"),
                                                             QVariant::fromValue(response));
}

void AppDelegate::followApplicationState() {
    // A desktop window becomes active when it gets the focus; coming back from hidden (or
    // suspended, on a phone) is entering the foreground.
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            [this, previous = qGuiApp->applicationState()](Qt::ApplicationState state) mutable {
                const bool wasAway =
                    previous == Qt::ApplicationHidden || previous == Qt::ApplicationSuspended;
                previous = state;
                switch (state) {
                    case Qt::ApplicationActive:
                        if (wasAway) applicationWillEnterForeground();
                        applicationDidBecomeActive();
                        break;
                    case Qt::ApplicationInactive:
                        if (wasAway)
                            applicationWillEnterForeground();
                        else
                            applicationWillResignActive();
                        break;
                    case Qt::ApplicationHidden:
                    case Qt::ApplicationSuspended:
                        applicationDidEnterBackground();
                        break;
                }
            });
}
