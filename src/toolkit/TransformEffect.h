#pragma once

#include <QGraphicsEffect>

// Draws a widget scaled about its centre and faded: what the phone does with a layer's
// transform and alpha. Both are properties, so Qt animations (on the one clock) can drive them.
class TransformEffect : public QGraphicsEffect {
    Q_OBJECT
    Q_PROPERTY(qreal scale READ scale WRITE setScale)
    Q_PROPERTY(qreal opacity READ opacity WRITE setOpacity)
  public:
    explicit TransformEffect(QObject* parent = nullptr) : QGraphicsEffect(parent) {}

    qreal scale() const { return scale_; }
    void setScale(qreal scale);
    qreal opacity() const { return opacity_; }
    void setOpacity(qreal opacity);

    QRectF boundingRectFor(const QRectF& rect) const override;

  protected:
    void draw(QPainter* painter) override;

  private:
    qreal scale_ = 1;
    qreal opacity_ = 1;
};
