#include "panels/InviteFriends.h"

#include <QLabel>
#include <QPushButton>

#include "net/ServerConfig.h"
#include "panels/ShareBlurView.h"
#include "panels/ShareButtonRow.h"
#include "platform/Analytics.h"
#include "services/LogicManager.h"
#include "toolkit/Fonts.h"
#include "toolkit/Images.h"
#include "toolkit/PillButton.h"

namespace {

QImage thumbnail() { return imageNamed(QStringLiteral("58x58")).toImage(); }

void inviteThroughWechat(int32_t scene) {
    LogicManager::sharedInstance().sendWechatWithTitle(
        InviteFriends::kWechatTitle,
        InviteFriends::kWechatDescription + ServerConfig::current().storePageUrl(),
        InviteFriends::kIdentify, thumbnail(), scene, 0, 0);
}

}  // namespace

InviteFriends::InviteFriends(QWidget* parent) : QWidget(parent), inviteLabel_(new QLabel(this)) {
    setObjectName(QStringLiteral("inviteNavSetting"));
    resize(280, 210);
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("InviteFriends { background: white; border-radius: 12px; }"));
    inviteLabel_->setObjectName(QStringLiteral("inviteLabel"));
    inviteLabel_->setText(kTitle);
    inviteLabel_->setFont(getFontWith(true, 20));
    inviteLabel_->setStyleSheet(QStringLiteral("color: #D0246C;"));
    inviteLabel_->setAlignment(Qt::AlignCenter);
    inviteLabel_->setGeometry(0, 16, width(), 30);

    auto* row = new ShareButtonRow({QStringLiteral("inviteWeChatBtn"),
                                    QStringLiteral("inviteCircleBtn"),
                                    QStringLiteral("inviteWeiboBtn"),
                                    QStringLiteral("inviteMessageBtn")},
                                   this);
    row->move((width() - row->width()) / 2, 62);
    connect(row->button(0), &QPushButton::clicked, this, &InviteFriends::inviteWeChat);
    connect(row->button(1), &QPushButton::clicked, this, &InviteFriends::inviteCircle);
    connect(row->button(2), &QPushButton::clicked, this, &InviteFriends::inviteWeibo);
    connect(row->button(3), &QPushButton::clicked, this, &InviteFriends::inviteMessage);

    auto* close = new PillButton(QStringLiteral("关闭"), PillButton::Style::Outlined, this);
    close->setObjectName(QStringLiteral("btnClose"));
    close->setGeometry(90, 158, 100, 36);
    connect(close, &QPushButton::clicked, this, &InviteFriends::btnClose);
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
    if (auto* overlay = qobject_cast<ShareBlurView*>(parentWidget())) overlay->removeFromSuperview();
}
