#include "panels/CellShareView.h"

#include <QLabel>
#include <QPropertyAnimation>
#include <QPushButton>

#include "panels/ShareBlurView.h"
#include "panels/ShareButtonRow.h"
#include "platform/Analytics.h"
#include "toolkit/Fonts.h"
#include "toolkit/PillButton.h"

namespace {
void runIfSet(const std::function<void()>& callback) {
    if (callback) callback();
}
}  // namespace

CellShareView::CellShareView(QWidget* parent) : QWidget(parent), titleLabel_(new QLabel(this)) {
    setObjectName(QStringLiteral("cellShare"));
    resize(280, 200);
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("CellShareView { background: white; border-radius: 12px; }"));
    titleLabel_->setObjectName(QStringLiteral("titleLabel"));
    titleLabel_->setText(kTitle);
    titleLabel_->setFont(getFontWith(true, 18));
    titleLabel_->setStyleSheet(QStringLiteral("color: #D0246C;"));
    titleLabel_->setAlignment(Qt::AlignCenter);
    titleLabel_->setGeometry(0, 16, width(), 26);

    auto* row = new ShareButtonRow({QStringLiteral("wechatBtn"), QStringLiteral("weChatCircleBtn"),
                                    QStringLiteral("weiboBtn"), QStringLiteral("messageBtn")},
                                   this);
    row->move((width() - row->width()) / 2, 56);
    connect(row->button(0), &QPushButton::clicked, this, &CellShareView::wechatBtnAction);
    connect(row->button(1), &QPushButton::clicked, this, &CellShareView::weChatCircleBtnAction);
    connect(row->button(2), &QPushButton::clicked, this, &CellShareView::weiboBtnAction);
    connect(row->button(3), &QPushButton::clicked, this, &CellShareView::messageBtnAction);

    auto* close = new PillButton(QStringLiteral("取消"), PillButton::Style::Outlined, this);
    close->setObjectName(QStringLiteral("closeBtn"));
    close->setGeometry(90, 148, 100, 36);
    connect(close, &QPushButton::clicked, this, &CellShareView::closeBtnAction);
}

void CellShareView::wechatBtnAction() { runIfSet(handleWechat); }
void CellShareView::weChatCircleBtnAction() { runIfSet(hanldeWechatCircle); }
void CellShareView::weiboBtnAction() { runIfSet(handleWeibo); }
void CellShareView::messageBtnAction() { runIfSet(handleShareByMessage); }

void CellShareView::closeBtnAction() {
    Analytics::shared().event(QStringLiteral("share_dialog_close"));
    auto* slide = new QPropertyAnimation(this, "pos", this);
    slide->setDuration(ShareBlurView::kDismissMillis);
    slide->setEndValue(QPoint(-400, y()));
    slide->start(QAbstractAnimation::DeleteWhenStopped);
    if (auto* overlay = qobject_cast<ShareBlurView*>(parentWidget())) overlay->fadeOutAndRemove();
}
