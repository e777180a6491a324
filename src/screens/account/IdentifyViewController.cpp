#include "screens/account/IdentifyViewController.h"

#include <QLabel>

#include "net/NetWorkEngine.h"
#include "platform/Analytics.h"
#include "screens/account/PhoneIntroViewController.h"
#include "services/LogicManager.h"
#include "toolkit/BackButton.h"
#include "toolkit/FieldPointer.h"
#include "toolkit/Fonts.h"
#include "toolkit/NavigationController.h"
#include "toolkit/PillButton.h"
#include "toolkit/ProgressHud.h"
#include "toolkit/TextField.h"
#include "wire/Package.h"

IdentifyViewController::IdentifyViewController() {
    setObjectName(QStringLiteral("IdentifyViewController"));
}

void IdentifyViewController::viewDidLoad() {
    setBackgroundColor(QColor(0xFF, 0xF5, 0xF8));
    navigationItem().setTitleString(QStringLiteral("输入验证码"));
    setNavBackButton(this, [this] { IdentifyGoToBack(); });

    auto* sent = new QLabel(QStringLiteral("验证码已通过短信发送到"), this);
    sent->setFont(getFontWith(false, 13));
    sent->setStyleSheet(QStringLiteral("color: #999999;"));
    sent->setAlignment(Qt::AlignCenter);
    sent->setGeometry(30, 20, 260, 20);
    phoneNumLabel_ = new QLabel(phoneNum, this);
    phoneNumLabel_->setObjectName(QStringLiteral("phoneNumLabel"));
    phoneNumLabel_->setFont(getFontWith(true, 20));
    phoneNumLabel_->setStyleSheet(QStringLiteral("color: #F88BB4;"));
    phoneNumLabel_->setAlignment(Qt::AlignCenter);
    phoneNumLabel_->setGeometry(30, 42, 260, 30);

    identifyTextField_ = new TextField(QStringLiteral("identifyTextField"),
                                       QStringLiteral("4位验证码"), TextField::Numeric, this);
    identifyTextField_->setGeometry(50, 90, 240, 44);
    connect(identifyTextField_, &QLineEdit::returnPressed, this,
            &IdentifyViewController::identifyCode);
    identifyArrow_ = new FieldPointer(QStringLiteral("identifyArrow"), 26, this);
    identifyArrow_->move(0, identifyTextField_->y() + 13);

    identifyBtn_ = new PillButton(QStringLiteral("验证"), PillButton::Style::Filled, this);
    identifyBtn_->setObjectName(QStringLiteral("identifyBtn"));
    identifyBtn_->setGeometry(30, 160, 260, 44);
    connect(identifyBtn_, &QPushButton::clicked, this, &IdentifyViewController::identifyCode);
    identifyTextField_->setFocus();
}

void IdentifyViewController::IdentifyGoToBack() {
    if (NavigationController* stack = navigationController())
        stack->popViewControllerAnimated(true);
}

void IdentifyViewController::identifyCode() {
    const QString code = identifyTextField_->text();
    LogicManager& hub = LogicManager::sharedInstance();
    if (code.isEmpty()) {
        hub.showAlertWithMessage(QStringLiteral("验证码不能为空"));
        return;
    }
    if (code.size() != 4) {
        hub.showAlertWithMessage(QStringLiteral("验证码位数不对"));
        return;
    }
    Analytics::shared().event(QStringLiteral("ver_code"));
    Package request(1, 1);
    request.registWithAccountType(1, phoneNum.toStdString(), 2, code.toStdString(),
                                  password.toStdString());
    identifyBtn_->setEnabled(false);
    identifyTextField_->clearFocus();

    // A new overlay for every attempt; the time-out speaks through the one it started with.
    if (hud_) hud_->deleteLater();
    hud_ = ProgressHud::showHUDAddedTo(this, QStringLiteral("验证中..."));
    QPointer<ProgressHud> attempt = hud_;
    MainQueue::shared().after(
        kTimeout,
        [this, attempt] {
            identifyBtn_->setEnabled(true);
            if (!attempt) return;
            attempt->setMode(ProgressHud::Mode::Text);
            attempt->setLabelText(QStringLiteral("请重新输入验证码"));
            attempt->hide(true, 1.5, {});
        },
        this);
    QPointer<IdentifyViewController> self(this);
    NetWorkEngine::shareInstance().sendData(&request, [self](int flag, Package& reply) {
        if (self) self->handleReply(flag, reply);
    });
}

void IdentifyViewController::handleReply(int flag, Package& reply) {
    if (flag != 1) return;
    identifyBtn_->setEnabled(true);
    reply.reset();
    if (reply.readResultCode() != 0) {
        if (hud_) hud_->flash(ProgressHud::Mode::Text, QStringLiteral("验证码错误"), 1.5);
        return;
    }
    if (!Package::storeSignedInUser(reply)) {
        // Success without a usable id and key stores nothing, so it is no success.
        if (hud_) hud_->flash(ProgressHud::Mode::Text, QStringLiteral("验证码错误"), 1.5);
        return;
    }
    if (!hud_) return;
    hud_->flash(ProgressHud::Mode::Indeterminate, QStringLiteral("验证成功"), 2.0, [] {
        LogicManager::sharedInstance().setRootViewContrller(new PhoneIntroViewController);
    });
}
