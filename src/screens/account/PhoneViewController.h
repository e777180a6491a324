#pragma once

#include "toolkit/ViewController.h"

class FieldPointer;
class PillButton;
class ProgressHud;
class QLabel;
class TextField;

// Sign-up, first step: the mobile number and a six-digit password. Asks the server to text a
// code and moves on to the verification screen at once.
class PhoneViewController : public ViewController {
    Q_OBJECT
  public:
    static inline const QString kNotice = QStringLiteral(
        "您的手机号不会被展示，仅用于识别你的朋友并展示他们的秘密,查看《星笺用户使用协议》");

    PhoneViewController();

    void viewDidLoad() override;
    void phoneViewGotoBack();
    void tapAgreement();
    void resendCode();
    bool checkPhoneNumber();
    bool checkSecretNumber();
    static bool isSecretNum(const QString& text);
    void requestCode();

    QString checkedNumber;
    QString checkedSecretNumber;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void flash(const QString& text);

    TextField* inputPhone_ = nullptr;
    TextField* secretTextField_ = nullptr;
    FieldPointer* phoneArrow_ = nullptr;
    QLabel* commitLabel_ = nullptr;
    PillButton* registerbtn_ = nullptr;
    ProgressHud* hud_ = nullptr;
};
