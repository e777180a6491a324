#pragma once

#include <QPointer>
#include <QWidget>

#include "toolkit/NavigationItem.h"

class NavigationController;

// A screen. Its appearance life cycle is driven by the navigation controller that shows it.
class ViewController : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kPresentMillis = 350;

    explicit ViewController(QWidget* parent = nullptr);

    NavigationItem& navigationItem() { return navigationItem_; }
    void setBackgroundColor(const QColor& colour);
    // Sets the bar's title and tells the bar to redraw when the screen is on top.
    void setTitle(const QString& title);
    // After changing navigationItem() while on top: the bar shows the new items.
    void navigationItemDidChange() { emit navigationItemChanged(); }
    NavigationController* navigationController() const;

    // Runs viewDidLoad once, before the first appearance.
    void loadViewIfNeeded();
    // A screen that lives beyond any one navigation stack (a shared instance): the stack that
    // shows it does not delete it.
    void setShared(bool shared) { shared_ = shared; }
    bool isShared() const { return shared_; }

    // Shows the screen over the whole window, in a navigation stack of its own, sliding up
    // from the bottom (0.35 s on the clock). The presented screen belongs to its stack.
    void presentViewController(ViewController* controller, bool animated);
    // Slides the presented screen (or, called on it, this one) down and away.
    void dismissViewControllerAnimated(bool animated);
    ViewController* presentedViewController() const { return presented_; }

    virtual void viewDidLoad() {}
    virtual void viewWillAppear(bool animated) { (void)animated; }
    virtual void viewDidAppear(bool animated) { (void)animated; }
    virtual void viewWillDisappear(bool animated) { (void)animated; }
    virtual void viewDidDisappear(bool animated) { (void)animated; }

  signals:
    void navigationItemChanged();

  private:
    NavigationItem navigationItem_;
    bool loaded_ = false;
    QPointer<ViewController> presented_;
    QPointer<NavigationController> presentedStack_;
    QPointer<ViewController> presenting_;
    bool shared_ = false;
};
