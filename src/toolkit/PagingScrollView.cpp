#include "toolkit/PagingScrollView.h"

#include <QMouseEvent>
#include <QVariantAnimation>
#include <cmath>

PagingScrollView::PagingScrollView(QWidget* parent)
    : QWidget(parent), settle_(new QVariantAnimation(this)) {
    setObjectName(QStringLiteral("pagingScrollView"));
    settle_->setDuration(kSettleMillis);
    settle_->setEasingCurve(QEasingCurve::OutCubic);
    connect(settle_, &QVariantAnimation::valueChanged, this,
            [this](const QVariant& value) { setContentOffset(value.toDouble()); });
    connect(settle_, &QVariantAnimation::finished, this, [this] {
        if (didEndDecelerating) didEndDecelerating(*this);
    });
}

void PagingScrollView::addPage(QWidget* page) {
    page->setParent(this);
    page->show();
    pages_.push_back(page);
    layoutPages();
}

double PagingScrollView::maxOffset() const {
    return std::max(0, pageCount() - 1) * static_cast<double>(width());
}

void PagingScrollView::setContentOffset(double x) {
    offset_ = std::clamp(x, 0.0, maxOffset());  // no bounce at either end
    layoutPages();
}

int PagingScrollView::currentPage() const {
    return width() > 0 ? static_cast<int>(offset_ / width()) : 0;
}

void PagingScrollView::scrollToPage(int page, bool animated) {
    const double target =
        std::clamp(page, 0, std::max(0, pageCount() - 1)) * static_cast<double>(width());
    settle_->stop();
    if (!animated) {
        setContentOffset(target);
        return;
    }
    settle_->setStartValue(offset_);
    settle_->setEndValue(target);
    settle_->start();
}

void PagingScrollView::layoutPages() {
    for (std::size_t i = 0; i < pages_.size(); ++i)
        pages_[i]->setGeometry(
            static_cast<int>(std::lround(static_cast<double>(i) * width() - offset_)), 0, width(),
            height());
}

void PagingScrollView::resizeEvent(QResizeEvent*) {
    // Keep showing the same page.
    const int page = currentPage();
    offset_ = page * static_cast<double>(width());
    layoutPages();
}

void PagingScrollView::mousePressEvent(QMouseEvent* event) {
    settle_->stop();
    dragging_ = true;
    pressX_ = lastX_ = event->position().x();
    pressOffset_ = offset_;
    lastTime_ = MainQueue::shared().now();
    velocity_ = 0;
}

void PagingScrollView::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) return;
    const double x = event->position().x();
    const double now = MainQueue::shared().now();
    if (now > lastTime_) velocity_ = (lastX_ - x) / (now - lastTime_);
    lastX_ = x;
    lastTime_ = now;
    setContentOffset(pressOffset_ + (pressX_ - x));
}

void PagingScrollView::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragging_) return;
    mouseMoveEvent(event);
    dragging_ = false;
    const int startPage = width() > 0 ? static_cast<int>(std::lround(pressOffset_ / width())) : 0;
    int target = width() > 0 ? static_cast<int>(std::lround(offset_ / width())) : 0;
    if (velocity_ > kFlickSpeed) target = std::max(target, startPage + 1);
    if (velocity_ < -kFlickSpeed) target = std::min(target, startPage - 1);
    scrollToPage(target, true);
}
