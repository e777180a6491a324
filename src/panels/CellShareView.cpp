#include "panels/CellShareView.h"

#include <QPropertyAnimation>
#include <QPushButton>

#include "panels/ShareBlurView.h"
#include "panels/ShareButtonRow.h"
#include "platform/Analytics.h"
#include "toolkit/PillButton.h"

namespace {
void runIfSet(const std::function<void()>& callback) {
    if (callback) callback();
}
}  // namespace

CellShareView::CellShareView(QWidget* parent)
    : ShareCard({kTitle,
                 QStringLiteral("titleLabel"),
                 18,
                 {QStringLiteral("wechatBtn"), QStringLiteral("weChatCircleBtn"),
                  QStringLiteral("weiboBtn"), QStringLiteral("messageBtn")},
                 QStringLiteral("取消"),
                 QStringLiteral("closeBtn")},
                parent) {
    setObjectName(QStringLiteral("cellShare"));
    connect(row()->button(0), &QPushButton::clicked, this, &CellShareView::wechatBtnAction);
    connect(row()->button(1), &QPushButton::clicked, this, &CellShareView::weChatCircleBtnAction);
    connect(row()->button(2), &QPushButton::clicked, this, &CellShareView::weiboBtnAction);
    connect(row()->button(3), &QPushButton::clicked, this, &CellShareView::messageBtnAction);
    connect(closeButton(), &QPushButton::clicked, this, &CellShareView::closeBtnAction);
}

void CellShareView::wechatBtnAction() {
    runIfSet(handleWechat);
}
void CellShareView::weChatCircleBtnAction() {
    runIfSet(hanldeWechatCircle);
}
void CellShareView::weiboBtnAction() {
    runIfSet(handleWeibo);
}
void CellShareView::messageBtnAction() {
    runIfSet(handleShareByMessage);
}

void CellShareView::closeBtnAction() {
    Analytics::shared().event(QStringLiteral("share_dialog_close"));
    auto* slide = new QPropertyAnimation(this, "pos", this);
    slide->setDuration(ShareBlurView::kDismissMillis);
    slide->setEndValue(QPoint(-400, y()));
    slide->start(QAbstractAnimation::DeleteWhenStopped);
    if (auto* overlay = qobject_cast<ShareBlurView*>(parentWidget())) overlay->fadeOutAndRemove();
}
