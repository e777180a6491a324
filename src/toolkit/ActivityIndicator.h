#pragma once

#include <QColor>
#include <QWidget>

class QVariantAnimation;

// A small turning spinner (the phone's activity indicator), hidden when stopped.
class ActivityIndicator : public QWidget {
    Q_OBJECT
  public:
    explicit ActivityIndicator(QWidget* parent = nullptr, QColor colour = Qt::gray);
    void startAnimating();
    void stopAnimating();
    bool isAnimating() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor colour_;
    int angle_ = 0;
    QVariantAnimation* spin_;
};
