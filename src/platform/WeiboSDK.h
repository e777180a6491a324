#pragma once

#include <QDateTime>
#include <QString>
#include <QUrl>
#include <QVariantMap>
#include <functional>
#include <optional>
#include <vector>

class QNetworkAccessManager;

// The Weibo web page a secret is shared as.
struct WBWebpageObject {
    QString objectID;
    QString title;
    QString description;
    QByteArray thumbnailData;
    QString webpageUrl;
};

// A response that comes back through the app's URL (wb<appkey>://response?...).
struct WBBaseResponse {
    enum class Kind { SendMessage, Authorize, Other };
    Kind kind = Kind::Other;
    int statusCode = 0;
    std::optional<QString> userID;
    std::optional<QString> accessToken;
    std::optional<QDateTime> expirationDate;
};

// The receiver of the SDK's HTTP request (the status update).
class WBHttpRequestDelegate {
  public:
    virtual ~WBHttpRequestDelegate() = default;
    virtual void requestDidFinishLoadingWithResult(const QString& tag,
                                                   const QByteArray& result) = 0;
    virtual void requestDidFailWithError(const QString& tag, const QString& error) = 0;
};

// The Weibo SDK stand-in: registration, debug mode, whether the Weibo app is there (not on a
// desktop unless configured), sending a web page (recorded), the URL hand-back, and the HTTP
// status update as a real POST to a configurable API host.
class WeiboSDK {
  public:
    static bool registerApp(const QString& appKey);
    static const QString& registeredAppKey();
    static void enableDebugMode(bool enabled);
    static bool isDebugMode();
    static bool isWeiboAppInstalled();
    static void setWeiboAppInstalled(bool installed);

    static bool sendRequest(const WBWebpageObject& message);
    static const std::vector<WBWebpageObject>& sentRequests();
    static void clearSentRequests();

    static bool handleOpenURL(const QUrl& url,
                              const std::function<void(const WBBaseResponse&)>& receiver);

    // POST https://<API host>/2/statuses/update.json with the access token and the parameters.
    static void requestWithAccessToken(const QString& accessToken, const QString& path,
                                       const QVariantMap& parameters,
                                       WBHttpRequestDelegate* delegate, const QString& tag);
    // "https://api.weibo.com" unless configured (tests point it at loopback).
    static void setApiBase(const QString& base);
    static const QString& apiBase();
};
