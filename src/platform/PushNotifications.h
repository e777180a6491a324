#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>
#include <QVariantMap>
#include <functional>

class QLocalServer;

// Push notifications on a desktop: the device token comes from the command line
// (`--apns-token HEX`) and reaches the app as the platform describes it ("<0a1b2c3d 4e5f…>");
// remote notifications are JSON payloads handed to the running app through a local socket
// named after its application home (`xingjian --home DIR --push JSON`). URLs that other apps
// hand back travel on the same channel (`xingjian --home DIR --open-url URL`).
class PushNotifications : public QObject {
    Q_OBJECT
  public:
    static PushNotifications& shared();

    std::function<void(const QString& tokenDescription)>
        didRegisterForRemoteNotificationsWithDeviceToken;
    std::function<void(const QString& error)> didFailToRegisterForRemoteNotificationsWithError;
    std::function<void(const QVariantMap& payload)> didReceiveRemoteNotification;
    // Another app handing a URL back (its line on the channel is "URL " and the URL).
    std::function<void(const QUrl& url)> didOpenURL;

    // The platform delivering a token (hex text); bad hex is a registration failure.
    void deliverToken(const QString& hex);
    // The platform's text of token bytes: "<" groups of four bytes in hex, spaces, ">".
    static QString tokenDescription(const QByteArray& token);

    // Receives payloads for the app of this home; false when another instance already does.
    bool listen(const QString& home);
    // Sends a payload to the running app of that home; false when none listens or the JSON
    // is not an object.
    static bool send(const QString& home, const QByteArray& json, int waitMillis = 3000);
    static bool sendURL(const QString& home, const QUrl& url, int waitMillis = 3000);
    static QString channelName(const QString& home);

  private:
    PushNotifications() = default;
    QLocalServer* server_ = nullptr;
};
