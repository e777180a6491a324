#pragma once

#include <QWidget>

#include "toolkit/NavigationItem.h"

class NavigationController;

// A screen. Its appearance life cycle is driven by the navigation controller that shows it.
class ViewController : public QWidget {
    Q_OBJECT
  public:
    explicit ViewController(QWidget* parent = nullptr);

    NavigationItem& navigationItem() { return navigationItem_; }
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
    bool shared_ = false;
};
