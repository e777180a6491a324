#include "screens/feed/MainViewCell.h"

#include <QHash>
#include <QLabel>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QSequentialAnimationGroup>

#include "model/UserInfo.h"
#include "net/NetWorkEngine.h"
#include "platform/Analytics.h"
#include "screens/feed/SecretPicture.h"
#include "services/LogicManager.h"
#include "toolkit/Fonts.h"
#include "toolkit/Images.h"
#include "toolkit/RemoteImageView.h"
#include "toolkit/TransformEffect.h"
#include "wire/Package.h"

namespace {

const QColor kPink(0xD0, 0x24, 0x6C);

QLabel* smallLabel(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFont(getFontWith(false, 14));
    label->setStyleSheet(QStringLiteral("color: #D0246C; background: transparent;"));
    return label;
}

QPushButton* iconButton(QWidget* parent, const QString& name, const QPixmap& icon,
                        const QRect& frame, bool onPicture) {
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setGeometry(frame);
    button->setIcon(QIcon(icon));
    button->setIconSize(frame.size());
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(onPicture ? QStringLiteral("QPushButton { border: none; border-radius: "
                                                     "18px; background: rgba(0, 0, 0, 60); }")
                                    : QStringLiteral("QPushButton { border: none; background: "
                                                     "transparent; }"));
    return button;
}

QString countText(uint32_t count, const QString& zero) {
    return count != 0 ? QString::number(static_cast<int32_t>(count)) : zero;
}

}  // namespace

MainViewCell::MainViewCell(QWidget* parent)
    : TableViewCell(kIdentifier, parent), contentView_(new QWidget(this)) {
    setObjectName(QStringLiteral("MainViewCell"));
    resize(320, 320);
    contentView_->setObjectName(QStringLiteral("contentView"));
    contentView_->setGeometry(0, 0, 320, 320);

    BGImagView_ = new RemoteImageView(contentView_);
    BGImagView_->setObjectName(QStringLiteral("BGImagView"));
    BGImagView_->setGeometry(0, 0, 320, 320);

    contentLabel_ = new QLabel(contentView_);
    contentLabel_->setObjectName(QStringLiteral("contentLabel"));
    contentLabel_->setFont(getFontWith(false, 20));
    contentLabel_->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    contentLabel_->setAlignment(Qt::AlignCenter);
    contentLabel_->setWordWrap(true);
    contentLabel_->setGeometry(30, 56, 260, 190);

    auto* bar = new QWidget(contentView_);
    bar->setObjectName(QStringLiteral("bottomBar"));
    bar->setGeometry(0, 276, 320, 44);
    bar->setStyleSheet(QStringLiteral("#bottomBar { background: rgba(255, 255, 255, 235); }"));
    commitLabel_ = smallLabel(bar, QStringLiteral("commitLabel"));
    commitLabel_->setGeometry(14, 0, 170, 44);
    auto* commitBtn = new QPushButton(bar);
    commitBtn->setObjectName(QStringLiteral("commitBtn"));
    commitBtn->setGeometry(commitLabel_->geometry());
    commitBtn->setFlat(true);
    commitBtn->setStyleSheet(QStringLiteral("border: none; background: transparent;"));
    connect(commitBtn, &QPushButton::clicked, this, &MainViewCell::commitBtnAction);

    likeBtn_ = iconButton(bar, QStringLiteral("likeBtn"), {}, QRect(186, 4, 36, 36), false);
    likeNumLabel_ = smallLabel(bar, QStringLiteral("likeNumLabel"));
    likeNumLabel_->setGeometry(220, 0, 36, 44);
    commentbtn_ = iconButton(bar, QStringLiteral("commentbtn"),
                             tintedImage(imageNamed(QStringLiteral("btn_comment_n")), kPink),
                             QRect(250, 4, 36, 36), false);
    commentNumLabel_ = smallLabel(bar, QStringLiteral("commentNumLabel"));
    commentNumLabel_->setGeometry(284, 0, 36, 44);
    connect(likeBtn_, &QPushButton::clicked, this, &MainViewCell::likeBtnAction);
    connect(commentbtn_, &QPushButton::clicked, this, &MainViewCell::commentBtnAction);

    otherBtn_ = iconButton(contentView_, QStringLiteral("otherBtn"),
                           imageNamed(QStringLiteral("btn_more_n")), QRect(8, 8, 36, 36), true);
    shareBtn_ =
        iconButton(contentView_, QStringLiteral("cellShareBtn"),
                   imageNamed(QStringLiteral("btn_cellShare_n")), QRect(276, 8, 36, 36), true);
    connect(otherBtn_, &QPushButton::clicked, this, &MainViewCell::otherBtnAction);
    connect(shareBtn_, &QPushButton::clicked, this, &MainViewCell::cellShareBtnAction);

    bottonSepView_ = new QWidget(contentView_);
    bottonSepView_->setObjectName(QStringLiteral("bottonSepView"));
    bottonSepView_->setGeometry(0, 319, 320, 1);
    bottonSepView_->setStyleSheet(QStringLiteral("background: #CCCCCC;"));
}

void MainViewCell::setFeed(std::shared_ptr<Feed> feed) {
    feed_ = std::move(feed);
    if (!feed_) return;
    showSecretPicture(BGImagView_, feed_->imageStr);
    commitLabel_->setText(feed_->addressStr);
    commentNumLabel_->setText(countText(feed_->commentNum, QStringLiteral("评论")));
    likeNumLabel_->setText(countText(feed_->likeNum, QStringLiteral("赞")));
    currentLikeNum_ = static_cast<int32_t>(feed_->likeNum);
    if (!feed_->contentStr.isNull()) contentLabel_->setText(feed_->contentStr);
    showLikeState();
}

void MainViewCell::showLikeState() {
    // Other states keep the picture the button had.
    const auto state = static_cast<int32_t>(feed_->isOwnZanFeed);
    if (state != 0 && state != 1) return;
    const QString name =
        state == 1 ? QStringLiteral("btn_support_yes") : QStringLiteral("btn_support_no");
    static QHash<QString, QIcon> icons;
    auto icon = icons.find(name);
    if (icon == icons.end()) icon = icons.insert(name, QIcon(tintedImage(imageNamed(name), kPink)));
    likeBtn_->setIcon(*icon);
    likeBtn_->setProperty("imageName", name);
}

void MainViewCell::likeBtnAction() {
    if (!feed_) return;
    switch (static_cast<int32_t>(feed_->isOwnZanFeed)) {
        case 0: {
            Analytics::shared().event(QStringLiteral("some_praise"));
            feed_->isOwnZanFeed = 1;
            feed_->likeNum += 1;
            currentLikeNum_ += 1;
            showLikeState();
            likeNumLabel_->setText(QString::number(currentLikeNum_));
            // The heart jumps: 2.5 times its size in 0.3 s and back in 0.3 s.
            auto* effect = new TransformEffect(likeBtn_);
            likeBtn_->setGraphicsEffect(effect);
            auto* jump = new QSequentialAnimationGroup(likeBtn_);
            for (const double scale : {2.5, 1.0}) {
                auto* step = new QPropertyAnimation(effect, "scale", jump);
                step->setDuration(300);
                step->setEndValue(scale);
                jump->addAnimation(step);
            }
            QPointer<QPushButton> button = likeBtn_;
            connect(jump, &QAbstractAnimation::finished, likeBtn_, [button] {
                if (button) button->setGraphicsEffect(nullptr);
            });
            jump->start(QAbstractAnimation::DeleteWhenStopped);
            supportFeed();
            break;
        }
        case 1:
            Analytics::shared().event(QStringLiteral("cancel_praise"));
            feed_->isOwnZanFeed = 0;
            feed_->likeNum -= 1;
            currentLikeNum_ -= 1;
            likeNumLabel_->setText(currentLikeNum_ != 0 ? QString::number(currentLikeNum_)
                                                        : QStringLiteral("赞"));
            showLikeState();
            cancleSupportFeed();
            break;
        case kMuted:
            LogicManager::sharedInstance().showAlertWithMessage(QStringLiteral("对不起您已被禁言"));
            break;
        default:
            break;
    }
}

void MainViewCell::supportFeed() {
    sendSupport(1);
}
void MainViewCell::cancleSupportFeed() {
    sendSupport(2);
}

void MainViewCell::sendSupport(int32_t operation) {
    const UserInfo& myself = UserInfo::myselfInstance();
    Package request(2, 2);
    request.supportOrCommentWithUserId(myself.userId, myself.userKey.toStdString(), feed_->feedId,
                                       0, operation, "");
    // Fire and forget: the local change stays whatever the server says.
    NetWorkEngine::shareInstance().sendData(&request, [](int, Package&) {});
}

void MainViewCell::commentBtnAction() {
    if (handleCommentBtnBlock) handleCommentBtnBlock();
}

void MainViewCell::otherBtnAction() {
    if (handleOtherAgainstBtnBlock) handleOtherAgainstBtnBlock();
}

void MainViewCell::cellShareBtnAction() {
    Analytics::shared().event(QStringLiteral("share"));
    if (handleCellShareViewShow) handleCellShareViewShow();
}
