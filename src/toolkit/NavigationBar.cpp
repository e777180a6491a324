#include "toolkit/NavigationBar.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>

#include "toolkit/NavigationItem.h"

namespace {
constexpr int kSideMargin = 8;
}

NavigationBar::NavigationBar(QWidget* parent) : QWidget(parent), titleLabel_(new QLabel(this)) {
    setObjectName(QStringLiteral("navigationBar"));
    titleLabel_->setObjectName(QStringLiteral("navigationTitle"));
    titleLabel_->setAlignment(Qt::AlignCenter);
    titleLabel_->setStyleSheet(QStringLiteral("color: white; font-weight: bold; font-size: 20px;"));
    setFixedHeight(kHeight);
}

void NavigationBar::releaseItems() {
    for (QPointer<QWidget>* widget : {&titleView_, &left_, &right_}) {
        if (*widget && owner_) {
            (*widget)->hide();
            (*widget)->setParent(owner_);
        }
        *widget = nullptr;
    }
}

void NavigationBar::showItem(NavigationItem* item, QWidget* owner) {
    releaseItems();
    owner_ = owner;
    if (!item) {
        titleLabel_->clear();
        return;
    }
    titleView_ = item->titleView;
    left_ = item->leftBarButtonItem;
    right_ = item->rightBarButtonItem;
    titleLabel_->setText(item->title);
    titleLabel_->setVisible(!titleView_);
    for (QWidget* widget : {titleView_.data(), left_.data(), right_.data()}) {
        if (!widget) continue;
        widget->setParent(this);
        widget->show();
    }
    layoutItems();
}

void NavigationBar::layoutItems() {
    const int top = kStatusHeight;
    auto place = [&](QWidget* widget, int x) {
        const QSize size = widget->sizeHint().boundedTo(QSize(width() / 3, kBarHeight));
        widget->setGeometry(x < 0 ? width() - kSideMargin - size.width() : x,
                            top + (kBarHeight - size.height()) / 2, size.width(), size.height());
    };
    if (left_) place(left_, kSideMargin);
    if (right_) place(right_, -1);
    const int side =
        std::max(left_ ? left_->width() : 0, right_ ? right_->width() : 0) + kSideMargin * 2;
    const QRect middle(side, top, std::max(0, width() - 2 * side), kBarHeight);
    titleLabel_->setGeometry(middle);
    if (titleView_) {
        const QSize size = titleView_->sizeHint().boundedTo(middle.size());
        titleView_->setGeometry(
            QRect(QPoint(0, 0), size)
                .translated(middle.center() - QPoint(size.width() / 2, size.height() / 2)));
    }
}

void NavigationBar::resizeEvent(QResizeEvent*) {
    layoutItems();
}

void NavigationBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient background(0, 0, 0, height());
    background.setColorAt(0, QColor(0xE0, 0x3A, 0x7E));
    background.setColorAt(1, QColor(0xD0, 0x24, 0x6C));
    painter.fillRect(rect(), background);
}
