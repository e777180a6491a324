#include "screens/feed/QuestionFeedTableViewCell.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTransform>
#include <QVariantAnimation>

#include "model/Feed.h"
#include "platform/Analytics.h"
#include "screens/feed/SecretPicture.h"
#include "store/UserDataBaseManager.h"
#include "toolkit/Images.h"
#include "toolkit/RemoteImageView.h"

QuestionFeedTableViewCell::QuestionFeedTableViewCell(QWidget* parent)
    : FeedCard(kIdentifier, parent), changeBtn_(new QPushButton(contentView_)) {
    setObjectName(QStringLiteral("QuestionFeedTableViewCell"));
    background_->setObjectName(QStringLiteral("cellBg"));
    showSecretPicture(background_, QStringLiteral("img_secretCell_background_0"));
    text_->setText(kDefaultQuestion);

    auto* tag = new QLabel(QStringLiteral("今日话题"), contentView_);
    tag->setObjectName(QStringLiteral("topicBadge"));
    tag->setProperty("tag", 100);  // the timeline lets it breathe
    tag->setGeometry(16, 16, 80, 26);
    tag->setAlignment(Qt::AlignCenter);
    tag->setStyleSheet(QStringLiteral(
        "color: white; background: rgba(0, 0, 0, 60); border-radius: 13px; font-size: 13px;"));

    changeBtn_->setObjectName(QStringLiteral("changeBtn"));
    changeBtn_->setGeometry(270, 8, 44, 44);
    changeBtn_->setIcon(QIcon(imageNamed(QStringLiteral("btn_change_n"))));
    changeBtn_->setIconSize(QSize(44, 44));
    changeBtn_->setStyleSheet(QStringLiteral("border: none; background: transparent;"));
    connect(changeBtn_, &QPushButton::clicked, this, [this] { changeQuestionFeed(changeBtn_); });

    connect(addFootButton(QStringLiteral("btnPublishSecret"), QStringLiteral("写秘密"), 0, 2),
            &QPushButton::clicked, this, &QuestionFeedTableViewCell::btnPublishSecretAction);
    connect(addFootButton(QStringLiteral("btnFriendAnswer"), QStringLiteral("邀请闺蜜回答"), 1, 2),
            &QPushButton::clicked, this, &QuestionFeedTableViewCell::btnFriendAnswerAction);
    changeQuestionFeed();
}

void QuestionFeedTableViewCell::changeQuestionFeed(QPushButton* button) {
    if (button) spin(button);
    // Questions stored for any user of this database count.
    const std::vector<Feed> questions =
        UserDataBaseManager::sharedInstance().queryWithClass<Feed>(QStringLiteral("QUESTIONFEED"));
    if (questions.empty()) return;
    if (questions.size() == 1) {
        num_ = 0;
    } else if (++num_ >= static_cast<int32_t>(questions.size())) {
        num_ = 0;
    }
    setQuestionFeed(questions[static_cast<std::size_t>(num_)]);
}

void QuestionFeedTableViewCell::setQuestionFeed(const Feed& question) {
    if (question.imageStr.isEmpty() || question.contentStr.isEmpty()) return;
    showSecretPicture(background_, question.imageStr);
    text_->setText(question.contentStr);
}

void QuestionFeedTableViewCell::spin(QPushButton* button) {
    // A turn of 6.26 radians in 0.7 s, one and a half times.
    const QPixmap icon = imageNamed(QStringLiteral("btn_change_n"));
    auto* turn = new QVariantAnimation(button);
    turn->setStartValue(0.0);
    turn->setEndValue(6.26 * 1.5);
    turn->setDuration(1050);
    connect(turn, &QVariantAnimation::valueChanged, button, [button, icon](const QVariant& value) {
        const double degrees = value.toDouble() * 180 / M_PI;
        QPixmap turned(icon.size());
        turned.setDevicePixelRatio(icon.devicePixelRatio());
        turned.fill(Qt::transparent);
        QPainter painter(&turned);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const QPointF centre = QRectF(QPointF(0, 0), icon.deviceIndependentSize()).center();
        painter.translate(centre);
        painter.rotate(degrees);
        painter.translate(-centre);
        painter.drawPixmap(0, 0, icon);
        button->setIcon(QIcon(turned));
    });
    connect(turn, &QAbstractAnimation::finished, button,
            [button, icon] { button->setIcon(QIcon(icon)); });
    turn->start(QAbstractAnimation::DeleteWhenStopped);
}

void QuestionFeedTableViewCell::btnPublishSecretAction() {
    if (handlePublishSecretFromCell) handlePublishSecretFromCell();
}

void QuestionFeedTableViewCell::btnFriendAnswerAction() {
    Analytics::shared().event(QStringLiteral("share"));
    if (handleInviteFriendAnswer) handleInviteFriendAnswer();
}
