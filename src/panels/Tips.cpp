#include "panels/Tips.h"

#include <qdrawutil.h>
#include <QLabel>
#include <QMoveEvent>
#include <QPainter>
#include <QPushButton>

#include "services/LogicManager.h"
#include "toolkit/Fonts.h"
#include "toolkit/Images.h"
#include "toolkit/PillButton.h"

namespace {

// A picture stretched with 10-point caps on every side.
QPixmap stretched(const QString& name, const QSize& size) {
    const QPixmap source = imageNamed(name);
    QPixmap target(size * 2);
    target.setDevicePixelRatio(2);
    target.fill(Qt::transparent);
    QPainter painter(&target);
    qDrawBorderPixmap(&painter, QRect(QPoint(0, 0), size), QMargins(10, 10, 10, 10), source);
    return target;
}

}  // namespace

Tips::Tips(QWidget* parent)
    : QWidget(parent),
      tipsBG_(new QLabel(this)),
      contentLabel_(new QLabel(this)),
      tipStandImage_(new QLabel(parent ? parent : this)),
      tipSubtitile_(new QLabel(parent ? parent : this)),
      tipSubImage_(new QLabel(parent ? parent : this)),
      okBtn_(new PillButton(QStringLiteral("我知道了"), PillButton::Style::Filled, this)) {
    setObjectName(QStringLiteral("tip"));
    // A slim bubble: the pointer stands just above it (y < 0) or just under it (y > 62).
    resize(320, 62);
    tipsBG_->setObjectName(QStringLiteral("tipsBG"));
    tipsBG_->setGeometry(10, 0, 300, 62);
    tipsBG_->setPixmap(stretched(QStringLiteral("img_tipsBG"), tipsBG_->size()));
    contentLabel_->setObjectName(QStringLiteral("contentLabel"));
    contentLabel_->setGeometry(22, 4, 198, 54);
    contentLabel_->setWordWrap(true);
    contentLabel_->setAlignment(Qt::AlignCenter);
    contentLabel_->setFont(getFontWith(false, 13));
    contentLabel_->setStyleSheet(QStringLiteral("color: #F88BB5;"));
    contentLabel_->setText(QStringLiteral("点一下爱心，给她一个赞吧"));
    okBtn_->setObjectName(QStringLiteral("okBtn"));
    okBtn_->setFont(getFontWith(true, 13));
    okBtn_->setGeometry(226, 15, 76, 32);
    connect(okBtn_, &QPushButton::clicked, this, &Tips::tipsOkBtnAction);

    tipStandImage_->setObjectName(QStringLiteral("tipStandImage"));
    tipStandImage_->setScaledContents(true);
    tipStandImage_->setPixmap(imageNamed(QStringLiteral("img_tipsPointer")));
    placeOutside(tipStandImage_, QRect(20, -16, 24, 16));
    tipSubtitile_->setObjectName(QStringLiteral("tipSubtitile"));
    tipSubtitile_->setFont(getFontWith(false, kSubTitleFontSize));
    tipSubtitile_->setStyleSheet(QStringLiteral("color: #D0246C;"));
    tipSubtitile_->hide();
    tipSubImage_->setObjectName(QStringLiteral("tipSubImage"));
    tipSubImage_->setScaledContents(true);
    tipSubImage_->hide();
}

void Tips::setContentStr(const QString& text) {
    contentStr_ = text;
    contentLabel_->setText(text);
}

void Tips::placeOutside(QWidget* part, const QRect& frameInTip) {
    part->setProperty("frameInTip", frameInTip);
    part->setGeometry(frameInTip.translated(part->parentWidget() == this ? QPoint() : pos()));
    part->raise();
}

void Tips::followTip() {
    for (QWidget* part :
         {static_cast<QWidget*>(tipStandImage_), static_cast<QWidget*>(tipSubtitile_),
          static_cast<QWidget*>(tipSubImage_)})
        if (part->property("frameInTip").isValid()) placeOutside(part, frameInTip(part));
}

void Tips::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    followTip();
}

void Tips::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    followTip();
}

void Tips::customTipsViewWithPoint(const QPoint& point, int tipType, const QString& subTitle,
                                   const QString& subImageStr, const QSize& subImageSize) {
    QRect pointer(point, frameInTip(tipStandImage_).size());
    switch (tipType) {
        case 0:
            tipSubtitile_->hide();
            tipSubImage_->setPixmap(imageNamed(subImageStr));
            placeOutside(tipSubImage_,
                         QRect(QPoint(pointer.left() + 8, pointer.bottom() + 1), subImageSize));
            tipSubImage_->show();
            break;
        case 2:
        case 3: {
            const QSizeF text = LogicManager::calculateCGSizeWith(
                subTitle, 20, 90, getFontWith(false, kSubTitleFontSize));
            pointer.setWidth(qRound(text.width()));
            tipSubtitile_->setText(subTitle);
            tipSubtitile_->adjustSize();
            placeOutside(tipSubtitile_, QRect(QPoint(pointer.left(), pointer.bottom() + 1),
                                              tipSubtitile_->size()));
            tipSubtitile_->show();
            tipSubImage_->hide();
            break;
        }
        case 4:
            pointer.setWidth(160);
            tipStandImage_->setPixmap(
                stretched(QStringLiteral("img_tipsStand_up"), pointer.size()));
            tipSubtitile_->hide();
            tipSubImage_->hide();
            break;
        case 5:
            tipStandImage_->setPixmap(imageNamed(QStringLiteral("img_tipsStand_up")));
            tipSubtitile_->hide();
            tipSubImage_->setPixmap(imageNamed(subImageStr));
            placeOutside(tipSubImage_,
                         QRect(QPoint(pointer.left(), pointer.top() - 33), subImageSize));
            tipSubImage_->show();
            break;
        default:
            break;
    }
    placeOutside(tipStandImage_, pointer);
}

void Tips::tipsOkBtnAction() {
    if (handleTipsOKBtnActionBlock) handleTipsOKBtnActionBlock();
}
