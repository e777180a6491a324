#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

class QVariantAnimation;

// A text label whose characters fade in one after another while the list is being dragged.
// It listens to the app-wide kShimmerStart / kShimmerPause notifications.
class ShimmerLabel : public QWidget {
    Q_OBJECT
  public:
    static inline const QString kShimmerStart = QStringLiteral("ShimmerStart");
    static inline const QString kShimmerPause = QStringLiteral("ShimmerPause");

    explicit ShimmerLabel(QWidget* parent = nullptr);
    void setText(const QString& text);
    const QString& text() const { return text_; }
    void setTextColor(const QColor& colour);
    void setAlignment(Qt::Alignment alignment);

    void startShimmering();
    void stopShimmering();
    bool isShimmering() const;
    // Opacity of the character at the index now (1 when not shimmering).
    double characterOpacity(int index) const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString text_;
    QColor colour_ = Qt::white;
    Qt::Alignment alignment_ = Qt::AlignCenter;
    double progress_ = 1;
    QVariantAnimation* wave_;
};
