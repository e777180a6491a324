#include "panels/InviteFriends.h"

#include <QPushButton>

#include "net/ServerConfig.h"
#include "panels/ShareBlurView.h"
#include "panels/ShareButtonRow.h"
#include "platform/Analytics.h"
#include "services/LogicManager.h"
#include "toolkit/Images.h"
#include "toolkit/PillButton.h"

namespace {

QImage thumbnail() {
    return imageNamed(QStringLiteral("58x58")).toImage();
}

void inviteThroughWechat(int32_t scene) {
    LogicManager::sharedInstance().sendWechatWithTitle(
        InviteFriends::kWechatTitle,
        InviteFriends::kWechatDescription + ServerConfig::current().storePageUrl(),
        InviteFriends::kIdentify, thumbnail(), scene, 0, 0);
}

}  // namespace

InviteFriends::InviteFriends(QWidget* parent)
    : ShareCard({kTitle,
                 QStringLiteral("inviteLabel"),
                 20,
                 {QStringLiteral("inviteWeChatBtn"), QStringLiteral("inviteCircleBtn"),
                  QStringLiteral("inviteWeiboBtn"), QStringLiteral("inviteMessageBtn")},
                 QStringLiteral("关闭"),
                 QStringLiteral("btnClose")},
                parent) {
    setObjectName(QStringLiteral("inviteNavSetting"));
    connect(row()->button(0), &QPushButton::clicked, this, &InviteFriends::inviteWeChat);
    connect(row()->button(1), &QPushButton::clicked, this, &InviteFriends::inviteCircle);
    connect(row()->button(2), &QPushButton::clicked, this, &InviteFriends::inviteWeibo);
    connect(row()->button(3), &QPushButton::clicked, this, &InviteFriends::inviteMessage);
    connect(closeButton(), &QPushButton::clicked, this, &InviteFriends::btnClose);
}

void InviteFriends::inviteWeChat() {
    Analytics::shared().event(QStringLiteral("share_weixin"));
    inviteThroughWechat(0);
}

void InviteFriends::inviteCircle() {
    Analytics::shared().event(QStringLiteral("share_friend_circle"));
    inviteThroughWechat(1);
}

void InviteFriends::inviteWeibo() {
    Analytics::shared().event(QStringLiteral("share_weibo"));
    LogicManager::sharedInstance().sendWeiBoWithTitle(kWeiboTitle, kWeiboText, thumbnail(), 0, 0);
}

void InviteFriends::inviteMessage() {
    Analytics::shared().event(QStringLiteral("share_message"));
    if (handleInviteFriendMessageBlock) handleInviteFriendMessageBlock();
}

void InviteFriends::btnClose() {
    Analytics::shared().event(QStringLiteral("share_dialog_close"));
    if (auto* overlay = qobject_cast<ShareBlurView*>(parentWidget()))
        overlay->removeFromSuperview();
}
