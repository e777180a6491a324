#include "screens/feed/FriendNumsTableViewCell.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include "model/UserInfo.h"
#include "net/NetWorkEngine.h"
#include "panels/ShareBlurView.h"
#include "platform/Analytics.h"
#include "screens/feed/SecretPicture.h"
#include "services/LogicManager.h"
#include "services/SettingsKeys.h"
#include "toolkit/Fonts.h"
#include "toolkit/RemoteImageView.h"
#include "wire/Package.h"

FriendNumsTableViewCell::FriendNumsTableViewCell(QWidget* parent)
    : FeedCard(kIdentifier, parent), friendNumLabel_(new QLabel(contentView_)) {
    setObjectName(QStringLiteral("FriendNumsTableViewCell"));
    showSecretPicture(background_, QStringLiteral("img_secretCell_background_6"));
    text_->setObjectName(QStringLiteral("content"));
    text_->setGeometry(30, 150, 260, 90);
    text_->setFont(getFontWith(false, 18));
    text_->setText(kFewFriendsText);
    friendNumLabel_->setObjectName(QStringLiteral("friendNumLabel"));
    friendNumLabel_->setGeometry(60, 50, 200, 90);
    friendNumLabel_->setAlignment(Qt::AlignCenter);
    friendNumLabel_->setFont(getFontWith(true, 64));
    friendNumLabel_->setStyleSheet(QStringLiteral(
        "color: #D0246C; background: rgba(255, 255, 255, 225); border-radius: 45px;"));
    connect(addFootButton(QStringLiteral("inviteBtn"), QStringLiteral("邀请闺蜜"), 0, 1),
            &QPushButton::clicked, this, &FriendNumsTableViewCell::inviteBtnAction);

    showNumber(
        LogicManager::sharedInstance().getPersistenceIntegerWithKey(SettingsKeys::friendNum));
    const UserInfo& myself = UserInfo::myselfInstance();
    Package request(1, 13);
    request.fetchNumberOfFriendsWithUserId(myself.userId, myself.userKey.toStdString());
    QPointer<FriendNumsTableViewCell> self(this);
    NetWorkEngine::shareInstance().sendData(&request, [self](int flag, Package& reply) {
        if (flag != 1) return;
        const uint32_t number = Package::handleFetchNumberOfFriends(reply, 0);
        if (number == UINT32_MAX) return;
        LogicManager::sharedInstance().setPersistenceData(static_cast<qulonglong>(number),
                                                          SettingsKeys::friendNum);
        if (self) self->showNumber(number);
    });
}

void FriendNumsTableViewCell::showNumber(int64_t number) {
    // The text for few friends stays once the card has said there are more.
    if (number > 3) text_->setText(kMoreFriendsText);
    friendNumLabel_->setText(QString::number(number));
}

void FriendNumsTableViewCell::inviteBtnAction() {
    Analytics::shared().event(QStringLiteral("share"));
    Analytics::shared().event(QStringLiteral("invite_friends"));
    ShareBlurView::show(this, ShareBlurView::kInviteFriends);
}
