#pragma once

#include <QWidget>

class QVariantAnimation;

// The pull-to-refresh control of a table: shown above the first row while the list is pulled
// down, it turns a spinner, and asks for a refresh when let go far enough down.
class RefreshControl : public QWidget {
    Q_OBJECT
  public:
    static constexpr double kTriggerDistance = 60;

    explicit RefreshControl(QWidget* parent = nullptr);
    bool isRefreshing() const { return refreshing_; }
    // Stops the spinner; the table closes the gap.
    void endRefreshing();

  signals:
    // The user pulled far enough and let go.
    void refresh();
    void refreshingEnded();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    friend class TableView;
    void beginRefreshing();
    void setPulled(double distance);

    bool refreshing_ = false;
    double pulled_ = 0;
    int angle_ = 0;
    QVariantAnimation* spin_;
};
