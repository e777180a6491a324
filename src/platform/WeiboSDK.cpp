#include "platform/WeiboSDK.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QUrlQuery>

#include "core/MainQueue.h"

namespace {
constexpr double kRequestTimeout = 30;

struct State {
    QString appKey;
    bool debug = false;
    bool installed = false;
    std::vector<WBWebpageObject> sent;
    QString apiBase = QStringLiteral("https://api.weibo.com");
    QNetworkAccessManager* network = nullptr;
};
State& state() {
    static State instance;
    return instance;
}
}  // namespace

bool WeiboSDK::registerApp(const QString& appKey) {
    state().appKey = appKey;
    return !appKey.isEmpty();
}
const QString& WeiboSDK::registeredAppKey() {
    return state().appKey;
}
void WeiboSDK::enableDebugMode(bool enabled) {
    state().debug = enabled;
}
bool WeiboSDK::isDebugMode() {
    return state().debug;
}
bool WeiboSDK::isWeiboAppInstalled() {
    return state().installed;
}
void WeiboSDK::setWeiboAppInstalled(bool installed) {
    state().installed = installed;
}
void WeiboSDK::setApiBase(const QString& base) {
    state().apiBase = base;
}
const QString& WeiboSDK::apiBase() {
    return state().apiBase;
}

bool WeiboSDK::sendRequest(const WBWebpageObject& message) {
    state().sent.push_back(message);
    return true;
}
const std::vector<WBWebpageObject>& WeiboSDK::sentRequests() {
    return state().sent;
}
void WeiboSDK::clearSentRequests() {
    state().sent.clear();
}

bool WeiboSDK::handleOpenURL(const QUrl& url,
                             const std::function<void(const WBBaseResponse&)>& receiver) {
    if (url.host() != QStringLiteral("response")) return false;
    const QUrlQuery query(url);
    WBBaseResponse response;
    const QString type = query.queryItemValue(QStringLiteral("type"));
    response.kind = type == QStringLiteral("send")        ? WBBaseResponse::Kind::SendMessage
                    : type == QStringLiteral("authorize") ? WBBaseResponse::Kind::Authorize
                                                          : WBBaseResponse::Kind::Other;
    response.statusCode = query.queryItemValue(QStringLiteral("statusCode")).toInt();
    auto optional = [&query](const char* key) -> std::optional<QString> {
        const QString value = query.queryItemValue(QString::fromLatin1(key), QUrl::FullyDecoded);
        return value.isEmpty() ? std::nullopt : std::optional<QString>(value);
    };
    response.userID = optional("uid");
    response.accessToken = optional("access_token");
    bool ok = false;
    const qint64 expiresIn = query.queryItemValue(QStringLiteral("expires_in")).toLongLong(&ok);
    if (ok) {
        response.expirationDate = QDateTime::fromSecsSinceEpoch(
            MainQueue::shared().currentTimeSeconds() + expiresIn, Qt::UTC);
    }
    if (receiver) receiver(response);
    return true;
}

void WeiboSDK::requestWithAccessToken(const QString& accessToken, const QString& path,
                                      const QVariantMap& parameters,
                                      WBHttpRequestDelegate* delegate, const QString& tag) {
    if (!state().network) state().network = new QNetworkAccessManager;  // lives for the process
    QUrlQuery form;
    form.addQueryItem(QStringLiteral("access_token"), accessToken);
    for (auto it = parameters.cbegin(); it != parameters.cend(); ++it)
        form.addQueryItem(it.key(), it.value().toString());
    QNetworkRequest request(QUrl(state().apiBase + path));
    request.setHeader(QNetworkRequest::ContentTypeHeader,
                      QStringLiteral("application/x-www-form-urlencoded"));
    QNetworkReply* reply = state().network->post(request, form.query(QUrl::FullyEncoded).toUtf8());
    const MainQueue::TimerId timeout = MainQueue::shared().after(
        kRequestTimeout, [reply] { reply->abort(); }, reply);
    QObject::connect(reply, &QNetworkReply::finished, reply, [reply, timeout, delegate, tag] {
        MainQueue::shared().cancel(timeout);
        reply->deleteLater();
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (!delegate) return;
        if (reply->error() == QNetworkReply::NoError && status >= 200 && status < 300) {
            delegate->requestDidFinishLoadingWithResult(tag, reply->readAll());
        } else {
            delegate->requestDidFailWithError(
                tag, status >= 300 ? QStringLiteral("HTTP status %1").arg(status)
                                   : reply->errorString());
        }
    });
}
