#include "toolkit/TransformEffect.h"

#include <QPainter>
#include <algorithm>

void TransformEffect::setScale(qreal scale) {
    scale_ = scale;
    updateBoundingRect();
    update();
}

void TransformEffect::setOpacity(qreal opacity) {
    opacity_ = std::clamp<qreal>(opacity, 0, 1);
    update();
}

QRectF TransformEffect::boundingRectFor(const QRectF& rect) const {
    if (scale_ <= 1) return rect;
    const QPointF centre = rect.center();
    const QSizeF size = rect.size() * scale_;
    return {centre - QPointF(size.width() / 2, size.height() / 2), size};
}

void TransformEffect::draw(QPainter* painter) {
    QPoint offset;
    const QPixmap source = sourcePixmap(Qt::LogicalCoordinates, &offset, NoPad);
    if (source.isNull()) return;
    const QRectF area(offset, source.deviceIndependentSize());
    const QPointF centre = area.center();
    painter->save();
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->setOpacity(painter->opacity() * opacity_);
    painter->translate(centre);
    painter->scale(scale_, scale_);
    painter->translate(-centre);
    painter->drawPixmap(offset, source);
    painter->restore();
}
