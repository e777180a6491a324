#include "screens/account/ChangepwViewController.h"

#include <QPointer>

#include "model/UserInfo.h"
#include "net/NetWorkEngine.h"
#include "platform/Analytics.h"
#include "screens/account/AccountInput.h"
#include "services/LogicManager.h"
#include "toolkit/BackButton.h"
#include "toolkit/FieldPointer.h"
#include "toolkit/NavigationController.h"
#include "toolkit/PillButton.h"
#include "toolkit/ProgressHud.h"
#include "toolkit/TextField.h"
#include "wire/Package.h"
#include "wire/ReplyText.h"

namespace {
void alert(const QString& message) {
    LogicManager::sharedInstance().showAlertWithMessage(message);
}
}  // namespace

ChangepwViewController::ChangepwViewController() {
    setObjectName(QStringLiteral("ChangepwViewController"));
}

void ChangepwViewController::viewDidLoad() {
    setBackgroundColor(QColor(0xFF, 0xF5, 0xF8));
    navigationItem().setTitleString(QStringLiteral("修改密码"));
    setNavBackButton(this, [this] { changePWBack(); });

    const int secure = TextField::Secure | TextField::Numeric;
    currentPWtextFiled_ = new TextField(QStringLiteral("currentPWtextFiled"),
                                        QStringLiteral("当前密码"), secure, this);
    currentPWtextFiled_->setGeometry(50, 30, 240, 44);
    newPWTextField_ = new TextField(QStringLiteral("newPWTextField"),
                                    QStringLiteral("新的6位数字密码"), secure, this);
    newPWTextField_->setGeometry(50, 90, 240, 44);
    againPWTextFiled_ = new TextField(QStringLiteral("againPWTextFiled"),
                                      QStringLiteral("再输入一次新密码"), secure, this);
    againPWTextFiled_->setGeometry(50, 150, 240, 44);
    connect(againPWTextFiled_, &QLineEdit::returnPressed, this, &ChangepwViewController::changePW);

    changPWArrowImg_ = new FieldPointer(QStringLiteral("changPWArrowImg"), 26, this);
    changPWArrowImg_->move(0, currentPWtextFiled_->y() + 13);
    for (TextField* field : {currentPWtextFiled_, newPWTextField_, againPWTextFiled_})
        changPWArrowImg_->follow(field);

    changeBtn_ = new PillButton(QStringLiteral("确认修改"), PillButton::Style::Filled, this);
    changeBtn_->setObjectName(QStringLiteral("changeBtn"));
    changeBtn_->setGeometry(30, 220, 260, 44);
    connect(changeBtn_, &QPushButton::clicked, this, &ChangepwViewController::changePW);

    currentPWtextFiled_->setFocus();
    hud_ = new ProgressHud(this);
}

void ChangepwViewController::changePWBack() {
    Analytics::shared().event(QStringLiteral("change_password_close"));
    if (NavigationController* stack = navigationController())
        stack->popViewControllerAnimated(true);
}

std::optional<QString> ChangepwViewController::checkForPasswordAvailability(
    const TextField* field) {
    if (!AccountInput::accept(AccountInput::checkPassword(field->text()),
                              {QStringLiteral("密码不能空"), QStringLiteral("密码位数不对")},
                              alert))
        return std::nullopt;
    return field->text();
}

bool ChangepwViewController::checkForPasswordLogic(const std::optional<QString>& again,
                                                   const std::optional<QString>& newPW) {
    if (again && newPW && *again == *newPW) return true;
    alert(QStringLiteral("两次输入密码不同"));
    return false;
}

void ChangepwViewController::changePW() {
    for (TextField* field : {currentPWtextFiled_, newPWTextField_, againPWTextFiled_})
        field->clearFocus();
    const std::optional<QString> current = checkForPasswordAvailability(currentPWtextFiled_);
    const std::optional<QString> newPW = checkForPasswordAvailability(newPWTextField_);
    const std::optional<QString> again = checkForPasswordAvailability(againPWTextFiled_);
    if (!checkForPasswordLogic(again, newPW) || !current) return;
    Analytics::shared().event(QStringLiteral("change_password_request"));
    const UserInfo& myself = UserInfo::myselfInstance();
    Package request(1, 11);
    request.changePasswordWithUserId(myself.userId, myself.userKey.toStdString(),
                                     current->toStdString(), newPW->toStdString());
    QPointer<ChangepwViewController> self(this);
    NetWorkEngine::shareInstance().sendData(&request, [self](int flag, Package& reply) {
        if (self) self->handleReply(flag, reply);
    });
}

void ChangepwViewController::handleReply(int flag, Package& reply) {
    if (flag != 1 || reply.getProtocalId() != 11) return;
    switch (reply.readResultCode()) {
        case 0: {
            // The server hands out a new key with the new password.
            const std::optional<QString> key = readText(reply);
            if (key && !reply.overrun()) {
                UserInfo& myself = UserInfo::myselfInstance();
                myself.userKey = *key;
                myself.synchronize();
            }
            hud_->flash(ProgressHud::Mode::Text, QStringLiteral("修改密码成功"), 1.0,
                        [this] { changePWBack(); });
            break;
        }
        case -1:
            hud_->flash(ProgressHud::Mode::Text, QStringLiteral("旧密码不正确"), 1.0);
            break;
        case -3:
            alert(QStringLiteral("授权过期，请重新登录"));
            break;
        default:
            break;
    }
}
