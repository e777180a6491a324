#pragma once

#include <QPointer>

#include "toolkit/ViewController.h"

class FieldPointer;
class Package;
class PillButton;
class ProgressHud;
class QLabel;
class TextField;

// Sign-up, second step: the four-digit code from the text message. The server answers with
// the new user's id and key.
class IdentifyViewController : public ViewController {
    Q_OBJECT
  public:
    static constexpr double kTimeout = 10;

    IdentifyViewController();

    void viewDidLoad() override;
    void IdentifyGoToBack();
    void identifyCode();

    QString phoneNum;
    QString password;

  private:
    void handleReply(int flag, Package& reply);

    QLabel* phoneNumLabel_ = nullptr;
    TextField* identifyTextField_ = nullptr;
    FieldPointer* identifyArrow_ = nullptr;
    PillButton* identifyBtn_ = nullptr;
    QPointer<ProgressHud> hud_;
};
