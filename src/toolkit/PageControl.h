#pragma once

#include <QColor>
#include <QWidget>

// The row of page dots under a paging view.
class PageControl : public QWidget {
    Q_OBJECT
  public:
    explicit PageControl(QWidget* parent = nullptr);
    void setNumberOfPages(int count);
    int numberOfPages() const { return count_; }
    void setCurrentPage(int page);
    int currentPage() const { return current_; }
    void setCurrentPageIndicatorTintColor(const QColor& colour);
    void setPageIndicatorTintColor(const QColor& colour);
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int count_ = 0;
    int current_ = 0;
    QColor currentColour_ = Qt::white;
    QColor otherColour_ = QColor(255, 255, 255, 110);
};
