#pragma once

#include <QPointer>

#include "toolkit/ViewController.h"

class FieldPointer;
class Package;
class PillButton;
class ProgressHud;
class TextField;

// Sign-in of a returning user with the mobile number and the six-digit password.
class OldUserLoginViewController : public ViewController {
    Q_OBJECT
  public:
    static constexpr double kTimeout = 15;

    OldUserLoginViewController();

    void viewDidLoad() override;
    void oldGoToBack();
    void oldUserLogin();
    bool checkPhoneNumber();
    bool checkSecretNumber();
    static bool isSecretNum(const QString& text);
    void checkForLogin();

    QString rightPhoneNum;
    QString rightPassword;

  private:
    void handleReply(int flag, Package& reply);

    TextField* phoneNum_ = nullptr;
    TextField* secretNum_ = nullptr;
    FieldPointer* arrowImg_ = nullptr;
    PillButton* loginBtn_ = nullptr;
    QPointer<ProgressHud> hub_;
};
