#include "screens/feed/FeedCard.h"

#include <QLabel>

#include "toolkit/Fonts.h"
#include "toolkit/PillButton.h"
#include "toolkit/RemoteImageView.h"

FeedCard::FeedCard(const QString& identifier, QWidget* parent)
    : TableViewCell(identifier, parent),
      contentView_(new QWidget(this)),
      background_(new RemoteImageView(contentView_)),
      text_(new QLabel(contentView_)) {
    resize(320, 320);
    contentView_->setObjectName(QStringLiteral("contentView"));
    contentView_->setGeometry(0, 0, 320, 320);
    background_->setGeometry(0, 0, 320, 320);
    text_->setObjectName(QStringLiteral("contentLabel"));
    text_->setFont(getFontWith(false, 20));
    text_->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    text_->setAlignment(Qt::AlignCenter);
    text_->setWordWrap(true);
    text_->setGeometry(30, 60, 260, 170);
}

QPushButton* FeedCard::addFootButton(const QString& name, const QString& title, int slot,
                                     int count) {
    auto* button = new PillButton(
        title, slot == 0 ? PillButton::Style::Filled : PillButton::Style::Outlined, contentView_);
    button->setObjectName(name);
    const int gap = 12;
    const int width = (320 - 2 * 24 - (count - 1) * gap) / count;
    button->setGeometry(24 + slot * (width + gap), 256, width, 40);
    return button;
}
