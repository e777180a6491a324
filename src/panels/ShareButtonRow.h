#pragma once

#include <QWidget>

class QPushButton;

// The four ways of sharing side by side, each a coloured disc over its name: WeChat,
// the WeChat timeline, Weibo, a text message. The buttons are named after their actions.
class ShareButtonRow : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kHeight = 76;

    // Object names of the four buttons, in order.
    ShareButtonRow(const QStringList& buttonNames, QWidget* parent);
    QPushButton* button(int index) const;

  private:
    std::vector<QPushButton*> buttons_;
};
