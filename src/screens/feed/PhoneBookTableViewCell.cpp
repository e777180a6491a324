#include "screens/feed/PhoneBookTableViewCell.h"

#include <QLabel>
#include <QPushButton>

#include "screens/feed/SecretPicture.h"
#include "toolkit/RemoteImageView.h"

PhoneBookTableViewCell::PhoneBookTableViewCell(QWidget* parent) : FeedCard(kIdentifier, parent) {
    setObjectName(QStringLiteral("PhoneBookTableViewCell"));
    showSecretPicture(background_, QStringLiteral("img_secretCell_background_1"));
    text_->setText(QStringLiteral("打开通讯录，看看闺蜜们在说什么悄悄话"));
    connect(addFootButton(QStringLiteral("handleBtn"), QStringLiteral("找到我的闺蜜"), 0, 1),
            &QPushButton::clicked, this, &PhoneBookTableViewCell::handleBtnAction);
}

void PhoneBookTableViewCell::handleBtnAction() {
    if (handlePhoneBookAccessBlock) handlePhoneBookAccessBlock();
}
