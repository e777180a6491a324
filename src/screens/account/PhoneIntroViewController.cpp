#include "screens/account/PhoneIntroViewController.h"

#include <QLabel>
#include <QPointer>

#include "model/UserInfo.h"
#include "net/NetWorkEngine.h"
#include "screens/feed/MainViewController.h"
#include "services/LogicManager.h"
#include "services/SettingsKeys.h"
#include "toolkit/ActivityIndicator.h"
#include "toolkit/Fonts.h"
#include "toolkit/Images.h"
#include "toolkit/PillButton.h"
#include "wire/Package.h"

PhoneIntroViewController::PhoneIntroViewController() {
    setObjectName(QStringLiteral("PhoneIntroViewController"));
}

void PhoneIntroViewController::viewDidLoad() {
    phoneBGImagView_ = new QLabel(this);
    phoneBGImagView_->setObjectName(QStringLiteral("phoneBGImagView"));
    phoneBGImagView_->setGeometry(0, 0, 320, 568);
    phoneBGImagView_->setScaledContents(true);
    phoneBGImagView_->setPixmap(imageNamed(QStringLiteral("img_phone1")));

    phoneFriendsBtn_ =
        new PillButton(QStringLiteral("关联通讯录好友"), PillButton::Style::Filled, this);
    phoneFriendsBtn_->setObjectName(QStringLiteral("phoneFriendsBtn"));
    phoneFriendsBtn_->setGeometry(40, 450, 240, 44);
    connect(phoneFriendsBtn_, &QPushButton::clicked, this,
            &PhoneIntroViewController::linkFriendsBtnAcion);
}

void PhoneIntroViewController::linkFriendsBtnAcion() {
    phoneBGImagView_->setPixmap(imageNamed(QStringLiteral("img_phone2")));
    indicator_ = new ActivityIndicator(this, QColor(0xD0, 0x24, 0x6C));
    indicator_->setObjectName(QStringLiteral("indicator"));
    indicator_->setGeometry(150, 280, 20, 20);
    indicator_->startAnimating();
    indicatorLabel_ = new QLabel(kLoadingText, this);
    indicatorLabel_->setObjectName(QStringLiteral("indicatorLabel"));
    indicatorLabel_->setGeometry(70, 300, 180, 40);
    indicatorLabel_->setFont(getFontWith(false, 18));
    indicatorLabel_->setAlignment(Qt::AlignCenter);
    indicatorLabel_->setStyleSheet(QStringLiteral("color: #D0246C;"));
    indicatorLabel_->show();
    phoneFriendsBtn_->hide();
    phoneFriendsBtn_->deleteLater();
    phoneFriendsBtn_ = nullptr;

    QPointer<PhoneIntroViewController> self(this);
    LogicManager& hub = LogicManager::sharedInstance();
    hub.getContactFriends([&hub, self](int status, const QVariantMap& result) {
        if (status == -1) {
            hub.setPersistenceData(2, SettingsKeys::PhoneBook);
            MainViewController::showAsRoot();
            return;
        }
        if (status != 1) return;
        const QString json = hub.objectToJsonString(result.value(QStringLiteral("dic")));
        const UserInfo& myself = UserInfo::myselfInstance();
        Package request(1, 12);
        request.updateContractListWithUserId(myself.userId, myself.userKey.toStdString(),
                                             json.toStdString());
        // Whatever the server does, the timeline opens after 15 s.
        MainQueue::shared().after(kUploadTimeout, [] { MainViewController::showAsRoot(); });
        NetWorkEngine::shareInstance().sendData(&request, [self](int flag, Package& reply) {
            if (flag != 1 || reply.getProtocalId() != 12 || reply.readResultCode() != 0) return;
            if (self && self->indicator_) {
                self->indicator_->stopAnimating();
                self->indicatorLabel_->hide();
            }
            MainViewController::showAsRoot();
        });
    });
}
