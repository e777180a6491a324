#include "panels/ShareCard.h"

#include <QLabel>

#include "panels/ShareButtonRow.h"
#include "toolkit/Fonts.h"
#include "toolkit/PillButton.h"

ShareCard::ShareCard(const Look& look, QWidget* parent)
    : QWidget(parent),
      title_(new QLabel(look.title, this)),
      row_(new ShareButtonRow(look.buttonNames, this)),
      close_(new PillButton(look.closeTitle, PillButton::Style::Outlined, this)) {
    resize(280, 210);
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("ShareCard { background: white; border-radius: 12px; }"));
    title_->setObjectName(look.titleName);
    title_->setFont(getFontWith(true, look.titleSize));
    title_->setStyleSheet(QStringLiteral("color: #D0246C;"));
    title_->setAlignment(Qt::AlignCenter);
    title_->setGeometry(0, 16, width(), 30);
    row_->move((width() - row_->width()) / 2, 62);
    close_->setObjectName(look.closeName);
    close_->setGeometry(90, 158, 100, 36);
}
