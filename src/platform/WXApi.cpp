#include "platform/WXApi.h"

#include <QUrlQuery>

namespace {
struct State {
    QString appId;
    std::vector<SendMessageToWXReq> sent;
    WXApi::LinkOpener opener;
};
State& state() {
    static State instance;
    return instance;
}
}  // namespace

bool WXApi::registerApp(const QString& appId) {
    state().appId = appId;
    return !appId.isEmpty();
}

const QString& WXApi::registeredAppId() {
    return state().appId;
}

bool WXApi::sendReq(const SendMessageToWXReq& request) {
    state().sent.push_back(request);
    const QUrl link(request.message.mediaObject.url);
    if (state().opener && link.isValid() && !link.isEmpty()) state().opener(link);
    return true;
}

bool WXApi::handleOpenURL(const QUrl& url, const ResponseHandler& handler) {
    if (url.host() != QStringLiteral("sendresp")) return false;
    const QUrlQuery query(url);
    SendMessageToWXResp response;
    response.errCode = query.queryItemValue(QStringLiteral("errcode")).toInt();
    response.errStr = query.queryItemValue(QStringLiteral("errstr"), QUrl::FullyDecoded);
    if (handler) handler(response);
    return true;
}

void WXApi::setLinkOpener(LinkOpener opener) {
    state().opener = std::move(opener);
}
const std::vector<SendMessageToWXReq>& WXApi::sentRequests() {
    return state().sent;
}
void WXApi::clearSentRequests() {
    state().sent.clear();
}
