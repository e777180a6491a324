#pragma once

#include <QObject>
#include <memory>

class QWidget;

// Start-up order: the window, then the server connection.
class AppDelegate : public QObject {
    Q_OBJECT
  public:
    AppDelegate();
    ~AppDelegate() override;

    void didFinishLaunching();
    QWidget* window() const { return window_.get(); }

    static constexpr int kWindowWidth = 320;
    static constexpr int kWindowHeight = 568;

  private:
    std::unique_ptr<QWidget> window_;
};
