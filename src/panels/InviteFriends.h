#pragma once

#include <functional>

#include "panels/ShareCard.h"

// The panel that invites friends to the app through WeChat, the WeChat timeline, Weibo or a
// text message (which the opener handles).
class InviteFriends : public ShareCard {
    Q_OBJECT
  public:
    static inline const QString kTitle = QStringLiteral("邀请闺蜜一起玩");
    static inline const QString kWechatTitle = QStringLiteral("和我一起玩「星笺」吧!");
    static inline const QString kWechatDescription = QStringLiteral(
        "八卦、爆料、真心话...这里是女生专属秘密交流聚集地，快来分享闺蜜之间的秘密。猛戳下载");
    static inline const QString kWeiboTitle = QStringLiteral("星笺");
    static inline const QString kWeiboText = QStringLiteral(
        "和我一起玩「星笺」吧！八卦、爆料、真心话...这里是女生专属秘密交流聚集地，快来分享闺蜜之间"
        "的秘密");
    static inline const QString kIdentify = QStringLiteral("testIdentify");

    explicit InviteFriends(QWidget* parent = nullptr);

    std::function<void()> handleInviteFriendMessageBlock;

    void inviteWeChat();
    void inviteCircle();
    void inviteWeibo();
    void inviteMessage();
    // Removes the overlay at once.
    void btnClose();
};
