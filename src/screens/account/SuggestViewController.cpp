#include "screens/account/SuggestViewController.h"

#include <QLabel>
#include <QPointer>

#include "model/UserInfo.h"
#include "net/NetWorkEngine.h"
#include "platform/Analytics.h"
#include "toolkit/BackButton.h"
#include "toolkit/Fonts.h"
#include "toolkit/NavigationController.h"
#include "toolkit/PillButton.h"
#include "toolkit/ProgressHud.h"
#include "toolkit/TextField.h"
#include "wire/Package.h"

SuggestViewController::SuggestViewController() {
    setObjectName(QStringLiteral("SuggestViewController"));
}

void SuggestViewController::viewDidLoad() {
    setBackgroundColor(QColor(0xFF, 0xF5, 0xF8));
    navigationItem().setTitleString(QStringLiteral("意见反馈"));
    setNavBackButton(this, [this] { suggestBack(); });

    auto* intro = new QLabel(QStringLiteral("有什么想对我们说的？每一条我们都会认真看。"), this);
    intro->setFont(getFontWith(false, 13));
    intro->setStyleSheet(QStringLiteral("color: #999999;"));
    intro->setWordWrap(true);
    intro->setGeometry(20, 16, 280, 36);

    suggestField_ = new TextField(QStringLiteral("suggestField"), QStringLiteral("写下你的意见"),
                                  TextField::Plain, this);
    suggestField_->setGeometry(20, 58, 280, 44);
    connect(suggestField_, &QLineEdit::returnPressed, this, &SuggestViewController::sendSuggest);

    sendBtn_ = new PillButton(QStringLiteral("发送"), PillButton::Style::Filled, this);
    sendBtn_->setObjectName(QStringLiteral("sendBtn"));
    sendBtn_->setGeometry(30, 122, 260, 44);
    connect(sendBtn_, &QPushButton::clicked, this, &SuggestViewController::sendSuggest);

    hud_ = new ProgressHud(this);
}

void SuggestViewController::mousePressEvent(QMouseEvent*) {
    suggestField_->clearFocus();
}

void SuggestViewController::suggestBack() {
    if (NavigationController* stack = navigationController())
        stack->popViewControllerAnimated(true);
}

void SuggestViewController::sendSuggest() {
    if (suggestField_->text().isEmpty()) return;
    Analytics::shared().event(QStringLiteral("feed_back_request"));
    rightSuggest = suggestField_->text();
    const UserInfo& myself = UserInfo::myselfInstance();
    Package request(5, 2);
    request.suggestForUsWithUserId(myself.userId, myself.userKey.toStdString(),
                                   rightSuggest.toStdString());
    QPointer<SuggestViewController> self(this);
    NetWorkEngine::shareInstance().sendData(&request, [self](int flag, Package& reply) {
        if (self) self->handleReply(flag, reply);
    });
}

void SuggestViewController::handleReply(int flag, Package& reply) {
    if (flag != 1 || reply.getProtocalId() != 2) return;
    const int32_t result = reply.readResultCode();
    if (result == 0) {
        hud_->flash(ProgressHud::Mode::Text, QStringLiteral("反馈成功，我们会尽快处理"), 1.0,
                    [this] { suggestBack(); });
    } else if (result == -3) {
        hud_->setMode(ProgressHud::Mode::Indeterminate);
        hud_->setLabelText(QStringLiteral("未授权，请重新登录"));
        hud_->show(true);
        hud_->hide(true);
    }
}
