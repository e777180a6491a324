#pragma once

#include "screens/feed/FeedCard.h"

class Package;

// The friend-number card: how many friends the user has here, and a button to invite more.
class FriendNumsTableViewCell : public FeedCard {
    Q_OBJECT
  public:
    static inline const QString kIdentifier = QStringLiteral("friendNumCell");
    static inline const QString kFewFriendsText =
        QStringLiteral("你的闺蜜们还没来，邀请她们一起来说说心里话吧");
    static inline const QString kMoreFriendsText =
        QStringLiteral("邀请更多的朋友，看看她们都有哪些心里话?");

    explicit FriendNumsTableViewCell(QWidget* parent = nullptr);
    void inviteBtnAction();

  private:
    void showNumber(int64_t number);

    QLabel* friendNumLabel_;
};
