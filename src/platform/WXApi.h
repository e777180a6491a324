#pragma once

#include <QString>
#include <QUrl>
#include <functional>
#include <vector>

#include "platform/WeChatMessage.h"

// The WeChat SDK stand-in of a desktop: registration, sending (recorded, and its link handed
// to the desktop by whatever opener the app installs) and the URL hand-back.
class WXApi {
  public:
    using ResponseHandler = std::function<void(const SendMessageToWXResp& response)>;
    using LinkOpener = std::function<void(const QUrl& url)>;

    static bool registerApp(const QString& appId);
    static const QString& registeredAppId();
    static bool sendReq(const SendMessageToWXReq& request);
    // wx<appid>://sendresp?errcode=N&errstr=TEXT → a send response for the handler.
    static bool handleOpenURL(const QUrl& url, const ResponseHandler& handler);

    static void setLinkOpener(LinkOpener opener);
    static const std::vector<SendMessageToWXReq>& sentRequests();
    static void clearSentRequests();
};
