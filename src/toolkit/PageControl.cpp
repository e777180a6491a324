#include "toolkit/PageControl.h"

#include <QPainter>

namespace {
constexpr double kDot = 7;
constexpr double kGap = 9;
}  // namespace

PageControl::PageControl(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pageControl"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PageControl::setNumberOfPages(int count) {
    count_ = std::max(0, count);
    current_ = std::clamp(current_, 0, std::max(0, count_ - 1));
    update();
}

void PageControl::setCurrentPage(int page) {
    current_ = std::clamp(page, 0, std::max(0, count_ - 1));
    update();
}

void PageControl::setCurrentPageIndicatorTintColor(const QColor& colour) {
    currentColour_ = colour;
    update();
}

void PageControl::setPageIndicatorTintColor(const QColor& colour) {
    otherColour_ = colour;
    update();
}

QSize PageControl::sizeHint() const {
    return {static_cast<int>(count_ * kDot + std::max(0, count_ - 1) * kGap) + 8, 36};
}

void PageControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const double total = count_ * kDot + std::max(0, count_ - 1) * kGap;
    double x = (width() - total) / 2;
    for (int i = 0; i < count_; ++i) {
        painter.setBrush(i == current_ ? currentColour_ : otherColour_);
        painter.drawEllipse(QRectF(x, (height() - kDot) / 2, kDot, kDot));
        x += kDot + kGap;
    }
}
