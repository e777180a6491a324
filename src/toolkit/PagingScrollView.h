#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "core/MainQueue.h"

class QVariantAnimation;

// Full-width pages side by side that the finger swipes through, one page at a time, without
// bouncing past the first or the last. A release settles on the nearest page, or on the next
// one when flicked; the settling runs on the one clock and then reports the resting offset.
class PagingScrollView : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kSettleMillis = 300;
    static constexpr double kFlickSpeed = 300;  // points per second that turn the page

    explicit PagingScrollView(QWidget* parent = nullptr);

    // The view owns its pages.
    void addPage(QWidget* page);
    int pageCount() const { return static_cast<int>(pages_.size()); }
    QWidget* page(int index) const { return pages_.at(static_cast<std::size_t>(index)); }
    double contentOffset() const { return offset_; }
    void setContentOffset(double x);
    // The page a resting view shows: the whole part of offset ÷ width.
    int currentPage() const;
    void scrollToPage(int page, bool animated);

    // The phone's scrollViewDidEndDecelerating: the view came to rest after a swipe.
    std::function<void(PagingScrollView& view)> didEndDecelerating;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void layoutPages();
    double maxOffset() const;

    std::vector<QWidget*> pages_;
    double offset_ = 0;
    bool dragging_ = false;
    double pressX_ = 0;
    double pressOffset_ = 0;
    double lastX_ = 0;
    double lastTime_ = 0;
    double velocity_ = 0;
    QVariantAnimation* settle_;
};
