#pragma once

#include <QObject>
#include <QUrl>
#include <QVariantMap>
#include <memory>

class PhoneWindow;
class WidgetAlertPresenter;
struct SendMessageToWXResp;

// The application delegate: the window, the server connection, the first screen, the
// services set up a second later, the badge, the push token and the URLs other apps hand back.
class AppDelegate : public QObject {
    Q_OBJECT
  public:
    // Compiled-in identifiers of the services.
    static inline const QString kWechatAppId = QStringLiteral("wx5a7c0e93d1b4f286");
    static inline const QString kWeiboAppKey = QStringLiteral("3816052947");
    static inline const QString kAnalyticsAppKey = QStringLiteral("6a1f0c3e9b2d47a85e0c1f92");
    static inline const QString kStartLabel = QStringLiteral("launch");
    static constexpr double kServiceSetUpDelay = 1;

    AppDelegate();
    ~AppDelegate() override;

    bool didFinishLaunchingWithOptions();
    // The root screen from "USERID": the timeline when someone is signed in, else the splash.
    void login();
    void initApplication();
    void connectingServer() {}

    void didRegisterForRemoteNotificationsWithDeviceToken(const QString& tokenDescription);
    void didFailToRegisterForRemoteNotificationsWithError(const QString& error);
    void didReceiveRemoteNotification(const QVariantMap& payload);
    void applicationWillEnterForeground();
    void applicationDidBecomeActive();
    void applicationWillResignActive() {}
    void applicationDidEnterBackground() {}
    void applicationWillTerminate() {}
    // Both open-URL entry points: "wb…" goes to the Weibo SDK, everything else to WeChat.
    bool openURL(const QUrl& url);
    bool handleOpenURL(const QUrl& url) { return openURL(url); }
    void onResp(const SendMessageToWXResp& response);

    PhoneWindow* window() const { return window_.get(); }

  private:
    void followApplicationState();

    std::unique_ptr<PhoneWindow> window_;
    std::unique_ptr<WidgetAlertPresenter> alerts_;
};
