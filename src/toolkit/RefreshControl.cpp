#include "toolkit/RefreshControl.h"

#include <QPainter>
#include <QVariantAnimation>

#include "toolkit/SpinAnimation.h"

RefreshControl::RefreshControl(QWidget* parent)
    : QWidget(parent), spin_(spinAnimation(this, 360, 900, [this](int angle) {
          angle_ = angle;
          update();
      })) {
    setObjectName(QStringLiteral("refreshControl"));
}

void RefreshControl::beginRefreshing() {
    if (refreshing_) return;
    refreshing_ = true;
    spin_->start();
    emit refresh();
}

void RefreshControl::endRefreshing() {
    if (!refreshing_) return;
    refreshing_ = false;
    spin_->stop();
    emit refreshingEnded();
}

void RefreshControl::setPulled(double distance) {
    pulled_ = distance;
    update();
}

void RefreshControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // While pulled, the arc grows with the distance; while refreshing, it turns.
    const double progress = refreshing_ ? 0.8 : std::min(1.0, pulled_ / kTriggerDistance) * 0.8;
    const int size = 22;
    const QRect circle(width() / 2 - size / 2, height() / 2 - size / 2, size, size);
    painter.setPen(QPen(QColor(0xD0, 0x24, 0x6C), 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(circle, (90 - angle_) * 16, -static_cast<int>(progress * 360 * 16));
}
