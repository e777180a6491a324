#include <QBuffer>
#include <QImage>

#include "core/NotificationCenter.h"
#include "net/ServerConfig.h"
#include "platform/WXApi.h"
#include "services/LogicManager.h"
#include "services/SettingsKeys.h"

namespace {

QByteArray thumbnail(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 50);
    return bytes;
}

}  // namespace

QString LogicManager::shareLink(int32_t contentCode, uint64_t feedId, const QString& from) {
    if (contentCode == 0) return ServerConfig::current().storePageUrl();
    if (contentCode == 1)
        return ServerConfig::current().webBaseUrl() +
               QStringLiteral("/message/detail?from=%1&id=").arg(from) + QString::number(feedId);
    return {};
}

void LogicManager::sendWechatWithTitle(const QString& title, const QString& describe,
                                       const QString&, const QImage& image, int32_t scene,
                                       int32_t contentCode, uint64_t feedId) {
    SendMessageToWXReq request;
    request.bText = false;
    request.scene = scene;
    request.message.title = title;
    request.message.description = describe;
    request.message.thumbData = thumbnail(image);
    request.message.thumbImage = image;
    request.message.mediaObject.extInfo = QStringLiteral("<xml>extend info</xml>");
    request.message.mediaObject.url = shareLink(contentCode, feedId, QStringLiteral("wx"));
    request.message.mediaObject.fileData = QByteArray(102400, '\0');
    WXApi::sendReq(request);
}

void LogicManager::sendWeiBoWithTitle(const QString& title, const QString& desribe,
                                      const QImage& image, int32_t contentCode, uint64_t feedId) {
    if (WeiboSDK::isWeiboAppInstalled()) {
        WBWebpageObject page;
        page.objectID = QStringLiteral("identifier1");
        page.title = title;
        page.description = desribe;
        page.thumbnailData = thumbnail(image);
        page.webpageUrl = shareLink(contentCode, feedId, QStringLiteral("wb"));
        WeiboSDK::sendRequest(page);
        return;
    }
    // Without the Weibo app only the title goes out, as a status update.
    WeiboSDK::requestWithAccessToken(getPersistenceStringWithKey(SettingsKeys::weibotoken),
                                     QStringLiteral("/2/statuses/update.json"),
                                     {{QStringLiteral("status"), title}}, this,
                                     QStringLiteral("update"));
}

void LogicManager::didReceiveWeiboResponse(const WBBaseResponse& response) {
    if (response.kind == WBBaseResponse::Kind::SendMessage) {
        NotificationCenter::defaultCenter().postNotificationName(QStringLiteral("WBHandleResult"),
                                                                 response.statusCode);
        return;
    }
    if (response.kind != WBBaseResponse::Kind::Authorize) return;
    // Each value is kept only when the ones before it were there.
    if (response.statusCode == 1 || !response.expirationDate) return;
    setPersistenceData(*response.expirationDate, SettingsKeys::expirationDate);
    if (!response.userID) return;
    setPersistenceData(*response.userID, SettingsKeys::kWeiboUid);
    if (!response.accessToken) return;
    setPersistenceData(*response.accessToken, SettingsKeys::weibotoken);
}

void LogicManager::requestDidFinishLoadingWithResult(const QString&, const QByteArray&) {}

void LogicManager::requestDidFailWithError(const QString&, const QString& error) {
    showAlertWithTitle(QStringLiteral("请求异常"), error, QStringLiteral("确定"));
}
