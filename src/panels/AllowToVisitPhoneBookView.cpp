#include "panels/AllowToVisitPhoneBookView.h"

#include <QLabel>
#include <QPropertyAnimation>

#include "panels/ShareBlurView.h"
#include "toolkit/CustomButton.h"
#include "toolkit/Fonts.h"

namespace {

QLabel* addLabel(QWidget* parent, const QString& text, int tag, const QRect& frame) {
    auto* label = new QLabel(text, parent);
    label->setProperty("tag", tag);
    label->setGeometry(frame);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

AllowToVisitPhoneBookView::AllowToVisitPhoneBookView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("allowPhoneBook"));
    resize(290, 270);
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(
        QStringLiteral("AllowToVisitPhoneBookView { background: white; border-radius: 12px; }"));
    addLabel(this, QStringLiteral("允许星笺读取通讯录"), kTitleTag, QRect(10, 22, 270, 28))
        ->setObjectName(QStringLiteral("titleLabel"));
    addLabel(this, QStringLiteral("星笺靠通讯录找到你的朋友，你才能看到她们的秘密。"), 0,
             QRect(24, 64, 242, 40));
    addLabel(this, QStringLiteral("号码只用来匹配朋友，不会被展示，也不会打扰任何人。"), 0,
             QRect(24, 108, 242, 40));
    addLabel(this, QStringLiteral("下次询问时选择「允许」，就能和闺蜜们在一起啦。"), 0,
             QRect(24, 152, 242, 40));
    okBtn_ =
        CustomButton::buttonWithRect(QRect(20, 206, 250, 48), QString(), QStringLiteral("btn_ok_n"),
                                     QStringLiteral("btn_ok_h"), this);
    okBtn_->setObjectName(QStringLiteral("okBtn"));
    okBtn_->addButtionAction([this] { okBtnAction(); });
    awakeFromNib();
}

void AllowToVisitPhoneBookView::awakeFromNib() {
    for (QLabel* label : findChildren<QLabel*>()) {
        const bool title = label->property("tag").toInt() == kTitleTag;
        label->setFont(getFontWith(title, title ? 18 : 12));
        label->setStyleSheet(title ? QStringLiteral("color: #D0246C;")
                                   : QStringLiteral("color: #F88BB5;"));
    }
}

void AllowToVisitPhoneBookView::okBtnAction() {
    auto* drop = new QPropertyAnimation(this, "pos", this);
    drop->setDuration(kCloseMillis);
    drop->setEndValue(QPoint(x(), kClosedY));
    drop->start(QAbstractAnimation::DeleteWhenStopped);
    if (auto* overlay = qobject_cast<ShareBlurView*>(parentWidget())) overlay->fadeOutAndRemove();
}
