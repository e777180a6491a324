#pragma once

#include <QPointer>
#include <QWidget>

class ViewController;

// The phone's window: 320 × 568 points, one root screen at a time. Installs itself as the
// service hub's root switcher.
class PhoneWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kWidth = 320;
    static constexpr int kHeight = 568;

    explicit PhoneWindow(QWidget* parent = nullptr);
    ~PhoneWindow() override;

    // The new root replaces the old one, which is deleted (shared screens in it live on).
    void setRootViewController(ViewController* controller, bool withNavigationBar);
    QWidget* rootWidget() const { return root_; }
    // The screen on top: the root itself, or the top of the root's navigation stack.
    ViewController* topViewController() const;
    // The application's window (the newest one alive), for overlays that cover it.
    static PhoneWindow* applicationWindow();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QPointer<QWidget> root_;
};
