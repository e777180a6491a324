#include "screens/account/PhoneViewController.h"

#include <QLabel>
#include <QMouseEvent>

#include "net/NetWorkEngine.h"
#include "platform/Analytics.h"
#include "screens/account/AccountInput.h"
#include "screens/account/AgreementViewController.h"
#include "screens/account/IdentifyViewController.h"
#include "screens/account/SplashViewController.h"
#include "services/LogicManager.h"
#include "toolkit/BackButton.h"
#include "toolkit/FieldPointer.h"
#include "toolkit/Fonts.h"
#include "toolkit/NavigationController.h"
#include "toolkit/PillButton.h"
#include "toolkit/ProgressHud.h"
#include "toolkit/TextField.h"
#include "wire/Package.h"

PhoneViewController::PhoneViewController() {
    setObjectName(QStringLiteral("PhoneViewController"));
}

void PhoneViewController::viewDidLoad() {
    setBackgroundColor(QColor(0xFF, 0xF5, 0xF8));
    navigationItem().setTitleString(QStringLiteral("加入星笺"));
    setNavBackButton(this, [this] { phoneViewGotoBack(); });

    inputPhone_ = new TextField(QStringLiteral("inputPhone"), QStringLiteral("手机号码"),
                                TextField::Numeric, this);
    inputPhone_->setGeometry(50, 30, 240, 44);
    secretTextField_ =
        new TextField(QStringLiteral("secretTextField"), QStringLiteral("设置6位数字密码"),
                      TextField::Secure | TextField::Numeric, this);
    secretTextField_->setGeometry(50, 90, 240, 44);
    connect(secretTextField_, &QLineEdit::returnPressed, this, &PhoneViewController::resendCode);

    phoneArrow_ = new FieldPointer(QStringLiteral("phoneArrow"), 26, this);
    phoneArrow_->move(0, inputPhone_->y() + 13);
    phoneArrow_->follow(inputPhone_);
    phoneArrow_->follow(secretTextField_);

    registerbtn_ = new PillButton(QStringLiteral("加入"), PillButton::Style::Filled, this);
    registerbtn_->setObjectName(QStringLiteral("registerbtn"));
    registerbtn_->setGeometry(30, 160, 260, 44);
    connect(registerbtn_, &QPushButton::clicked, this, &PhoneViewController::resendCode);

    commitLabel_ = new QLabel(this);
    commitLabel_->setObjectName(QStringLiteral("commitLabel"));
    const int mark = kNotice.indexOf(QStringLiteral("《"));
    commitLabel_->setText(kNotice.left(mark) + QStringLiteral("<span style=\"color:#F88BB4\">") +
                          kNotice.mid(mark, 10).toHtmlEscaped() + QStringLiteral("</span>"));
    commitLabel_->setTextFormat(Qt::RichText);
    commitLabel_->setWordWrap(true);
    commitLabel_->setFont(getFontWith(false, 11));
    commitLabel_->setStyleSheet(QStringLiteral("color: #F88BB4;"));
    commitLabel_->setGeometry(30, 216, 260, 40);
    commitLabel_->setCursor(Qt::PointingHandCursor);
    commitLabel_->installEventFilter(this);

    hud_ = new ProgressHud(this);
    inputPhone_->setFocus();
}

bool PhoneViewController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == commitLabel_ && event->type() == QEvent::MouseButtonRelease) {
        tapAgreement();
        return true;
    }
    return ViewController::eventFilter(watched, event);
}

void PhoneViewController::phoneViewGotoBack() {
    LogicManager::sharedInstance().setRootViewContrller(&SplashViewController::sharedInstance());
}

void PhoneViewController::tapAgreement() {
    if (NavigationController* stack = navigationController())
        stack->pushViewController(new AgreementViewController, true);
}

void PhoneViewController::flash(const QString& text) {
    hud_->flash(ProgressHud::Mode::Text, text, 1.0);
}

bool PhoneViewController::checkPhoneNumber() {
    return AccountInput::accept(
        AccountInput::checkNumber(inputPhone_->text()),
        {QStringLiteral("手机号码不能为空"), QStringLiteral("请输入真实手机号码")},
        [this](const QString& message) { flash(message); });
}

bool PhoneViewController::isSecretNum(const QString& text) {
    return AccountInput::checkPassword(text) == AccountInput::Problem::None;
}

bool PhoneViewController::checkSecretNumber() {
    return AccountInput::accept(AccountInput::checkPassword(secretTextField_->text()),
                                {QStringLiteral("请输入密码"), QStringLiteral("请输入6位密码")},
                                [this](const QString& message) { flash(message); });
}

void PhoneViewController::resendCode() {
    if (!checkPhoneNumber() || !checkSecretNumber()) return;
    Analytics::shared().event(QStringLiteral("register"));
    checkedNumber = inputPhone_->text();
    checkedSecretNumber = secretTextField_->text();
    requestCode();
    auto* identify = new IdentifyViewController;
    identify->phoneNum = checkedNumber;
    identify->password = checkedSecretNumber;
    if (NavigationController* stack = navigationController())
        stack->pushViewController(identify, true);
    else
        delete identify;
}

void PhoneViewController::requestCode() {
    if (checkedNumber.isEmpty()) return;
    Package request(1, 1);
    const std::string number = checkedNumber.toStdString();
    // The first step carries the number where the password goes.
    request.registWithAccountType(1, number, 1, "", number);
    NetWorkEngine::shareInstance().sendData(&request, [](int flag, Package& reply) {
        if (flag == 1) Package::handleRegist(reply, false, 0);
    });
}
