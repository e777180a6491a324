#include "toolkit/ActivityIndicator.h"

#include <QPainter>
#include <QVariantAnimation>

#include "toolkit/SpinAnimation.h"

ActivityIndicator::ActivityIndicator(QWidget* parent, QColor colour)
    : QWidget(parent), colour_(colour), spin_(spinAnimation(this, 12, 1000, [this](int spoke) {
          angle_ = spoke * 30;
          update();
      })) {
    setObjectName(QStringLiteral("activityIndicator"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void ActivityIndicator::startAnimating() {
    show();
    spin_->start();
}

void ActivityIndicator::stopAnimating() {
    spin_->stop();
    hide();
}

bool ActivityIndicator::isAnimating() const {
    return spin_->state() == QAbstractAnimation::Running;
}

void ActivityIndicator::paintEvent(QPaintEvent*) {
    // Twelve spokes, the leading one darkest, as the phone draws it.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(width() / 2.0, height() / 2.0);
    const double radius = std::min(width(), height()) / 2.0;
    for (int i = 0; i < 12; ++i) {
        QColor spoke = colour_;
        spoke.setAlphaF(0.25 + 0.75 * ((12 - i) % 12) / 12.0);
        painter.setPen(QPen(spoke, std::max(1.5, radius / 5), Qt::SolidLine, Qt::RoundCap));
        painter.save();
        painter.rotate(angle_ - i * 30);
        painter.drawLine(QPointF(0, -radius * 0.45), QPointF(0, -radius * 0.9));
        painter.restore();
    }
}
