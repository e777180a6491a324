#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// What the WeChat SDK takes to send: a media message carrying an app-extension object.
struct WXAppExtendObject {
    QString extInfo;
    QString url;
    QByteArray fileData;
};

struct WXMediaMessage {
    QString title;
    QString description;
    QByteArray thumbData;
    QImage thumbImage;
    WXAppExtendObject mediaObject;
};

struct SendMessageToWXReq {
    bool bText = false;
    WXMediaMessage message;
    int scene = 0;  // 0 a chat, 1 the WeChat timeline
};

// The answer WeChat hands back through the app's URL.
struct SendMessageToWXResp {
    int errCode = 0;
    QString errStr;
};
