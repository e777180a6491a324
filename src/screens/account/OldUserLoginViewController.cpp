#include "screens/account/OldUserLoginViewController.h"

#include "net/NetWorkEngine.h"
#include "platform/Analytics.h"
#include "screens/account/AccountInput.h"
#include "screens/account/SplashViewController.h"
#include "screens/feed/MainViewController.h"
#include "services/LogicManager.h"
#include "toolkit/BackButton.h"
#include "toolkit/FieldPointer.h"
#include "toolkit/PillButton.h"
#include "toolkit/ProgressHud.h"
#include "toolkit/TextField.h"
#include "wire/Package.h"

namespace {
void alert(const QString& message) {
    LogicManager::sharedInstance().showAlertWithMessage(message);
}
}  // namespace

OldUserLoginViewController::OldUserLoginViewController() {
    setObjectName(QStringLiteral("OldUserLoginViewController"));
}

void OldUserLoginViewController::viewDidLoad() {
    setBackgroundColor(QColor(0xFF, 0xF5, 0xF8));
    navigationItem().setTitleString(QStringLiteral("已有账号登陆"));
    setNavBackButton(this, [this] { oldGoToBack(); });

    phoneNum_ = new TextField(QStringLiteral("phoneNum"), QStringLiteral("手机号码"),
                              TextField::Numeric, this);
    phoneNum_->setGeometry(50, 30, 240, 44);
    secretNum_ = new TextField(QStringLiteral("secretNum"), QStringLiteral("6位数字密码"),
                               TextField::Secure | TextField::Numeric, this);
    secretNum_->setGeometry(50, 90, 240, 44);
    connect(secretNum_, &QLineEdit::returnPressed, this, &OldUserLoginViewController::oldUserLogin);

    arrowImg_ = new FieldPointer(QStringLiteral("arrowImg"), 26, this);
    arrowImg_->move(0, phoneNum_->y() + 13);
    arrowImg_->follow(phoneNum_);
    arrowImg_->follow(secretNum_);

    loginBtn_ = new PillButton(QStringLiteral("登录"), PillButton::Style::Filled, this);
    loginBtn_->setObjectName(QStringLiteral("loginBtn"));
    loginBtn_->setGeometry(30, 160, 260, 44);
    connect(loginBtn_, &QPushButton::clicked, this, &OldUserLoginViewController::oldUserLogin);

    phoneNum_->setFocus();
    hub_ = new ProgressHud(this);
}

void OldUserLoginViewController::oldGoToBack() {
    LogicManager::sharedInstance().setRootViewContrller(&SplashViewController::sharedInstance());
}

bool OldUserLoginViewController::checkPhoneNumber() {
    return AccountInput::accept(AccountInput::checkNumber(phoneNum_->text()),
                                {QStringLiteral("手机号码不能为空,请输入手机号码"),
                                 QStringLiteral("手机号码格式不正确,请输入真实的手机号码")},
                                alert);
}

bool OldUserLoginViewController::isSecretNum(const QString& text) {
    return AccountInput::checkPassword(text) == AccountInput::Problem::None;
}

bool OldUserLoginViewController::checkSecretNumber() {
    return AccountInput::accept(AccountInput::checkPassword(secretNum_->text()),
                                {QStringLiteral("密码不能为空,请输入秘密"),
                                 QStringLiteral("密码位数不对，请重新输入6位数字密码")},
                                alert);
}

void OldUserLoginViewController::oldUserLogin() {
    Analytics::shared().event(QStringLiteral("login_id"));
    phoneNum_->clearFocus();
    secretNum_->clearFocus();
    if (!checkPhoneNumber() || !checkSecretNumber()) return;
    rightPhoneNum = phoneNum_->text();
    rightPassword = secretNum_->text();
    checkForLogin();
}

void OldUserLoginViewController::checkForLogin() {
    if (hub_) hub_->deleteLater();
    hub_ = ProgressHud::showHUDAddedTo(this, QStringLiteral("登录中..."));
    loginBtn_->setEnabled(false);
    Package request(1, 2);
    request.loginWithAccountType(1, rightPhoneNum.toStdString(), rightPassword.toStdString());
    QPointer<ProgressHud> attempt = hub_;
    MainQueue::shared().after(
        kTimeout,
        [this, attempt] {
            loginBtn_->setEnabled(true);
            if (!attempt) return;
            attempt->setLabelText(QStringLiteral("登陆超时，请重新登陆"));
            attempt->hide(true, 0.5, {});
        },
        this);
    QPointer<OldUserLoginViewController> self(this);
    NetWorkEngine::shareInstance().sendData(&request, [self](int flag, Package& reply) {
        if (self) self->handleReply(flag, reply);
    });
}

void OldUserLoginViewController::handleReply(int flag, Package& reply) {
    if (flag != 1) return;
    loginBtn_->setEnabled(true);
    const bool signedIn = Package::handleLogin(reply, 2);
    if (!hub_) return;
    if (signedIn) {
        hub_->setLabelText(QStringLiteral("登陆成功"));
        hub_->hide(true, 0.5, [] { MainViewController::showAsRoot(); });
    } else {
        hub_->setLabelText(QStringLiteral("登陆失败"));
        hub_->hide(true, 1.0, {});
    }
}
