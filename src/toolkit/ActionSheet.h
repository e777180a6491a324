#pragma once

#include <QStringList>
#include <QWidget>
#include <functional>

class QPropertyAnimation;

// A sheet of choices sliding up from the bottom of the window over a dimmed screen, with a
// cancel button below them. The buttons are numbered from 0 in order; cancel (or a tap on the
// dimmed part) comes back as cancelButtonIndex().
class ActionSheet : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kSlideMillis = 250;

    ActionSheet(const QString& title, const QString& cancelTitle, const QStringList& buttons,
                QWidget* host, std::function<void(int index)> clicked);
    int cancelButtonIndex() const { return static_cast<int>(buttons_.size()); }
    // As if the button of that index was tapped.
    void clickButtonAtIndex(int index);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QStringList buttons_;
    std::function<void(int)> clicked_;
    QWidget* panel_;
    QPropertyAnimation* slide_;
    bool done_ = false;
};
