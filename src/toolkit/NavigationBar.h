#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;
struct NavigationItem;

// The bar at the top of a navigation stack: the status strip, then the top screen's title
// (or title view) between its left and right items.
class NavigationBar : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kStatusHeight = 20;
    static constexpr int kBarHeight = 44;
    static constexpr int kHeight = kStatusHeight + kBarHeight;

    explicit NavigationBar(QWidget* parent = nullptr);
    // Shows the item's widgets; the previous item's widgets go back to their owner.
    void showItem(NavigationItem* item, QWidget* owner);
    QLabel* titleLabel() const { return titleLabel_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void layoutItems();
    void releaseItems();

    QLabel* titleLabel_;
    QPointer<QWidget> titleView_, left_, right_, owner_;
};
