#pragma once

#include "toolkit/ViewController.h"

class ActivityIndicator;
class PillButton;
class QLabel;

// After sign-up: links the user's friends by uploading the address book, then opens the
// timeline.
class PhoneIntroViewController : public ViewController {
    Q_OBJECT
  public:
    static constexpr double kUploadTimeout = 15;
    static inline const QString kLoadingText = QStringLiteral("加载「星笺」中...");

    PhoneIntroViewController();

    void viewDidLoad() override;
    void linkFriendsBtnAcion();

    ActivityIndicator* indicator() const { return indicator_; }
    QLabel* indicatorLabel() const { return indicatorLabel_; }

  private:
    QLabel* phoneBGImagView_ = nullptr;
    PillButton* phoneFriendsBtn_ = nullptr;
    ActivityIndicator* indicator_ = nullptr;
    QLabel* indicatorLabel_ = nullptr;
};
