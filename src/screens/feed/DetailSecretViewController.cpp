#include "screens/feed/DetailSecretViewController.h"

#include "model/Feed.h"
#include "screens/feed/MainViewCell.h"
#include "toolkit/BackButton.h"
#include "toolkit/NavigationController.h"

DetailSecretViewController::DetailSecretViewController() {
    setObjectName(QStringLiteral("DetailSecretViewController"));
}

void DetailSecretViewController::setSignalFeed(std::shared_ptr<Feed> feed) {
    signalFeed_ = std::move(feed);
    if (card_) card_->setFeed(signalFeed_);
}

void DetailSecretViewController::viewDidLoad() {
    setBackgroundColor(QColor(0xF4, 0xF0, 0xF2));
    navigationItem().setTitleString(QStringLiteral("秘密"));
    setNavBackButton(this);
    card_ = new MainViewCell(this);
    card_->move(0, 0);
    if (signalFeed_) card_->setFeed(signalFeed_);
}
