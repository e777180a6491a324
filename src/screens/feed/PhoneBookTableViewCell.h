#pragma once

#include <functional>

#include "screens/feed/FeedCard.h"

// The phone-book card, shown while the address book has not been uploaded: it asks for it.
class PhoneBookTableViewCell : public FeedCard {
    Q_OBJECT
  public:
    static inline const QString kIdentifier = QStringLiteral("phoneBookCell");

    explicit PhoneBookTableViewCell(QWidget* parent = nullptr);
    void handleBtnAction();

    std::function<void()> handlePhoneBookAccessBlock;
};
