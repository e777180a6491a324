#pragma once

#include <QWidget>
#include <vector>

class NavigationBar;
class QParallelAnimationGroup;
class ViewController;

// A stack of screens under a navigation bar. Push slides the new screen in from the right,
// pop slides it back out (on the one clock); the screens' appearance methods run around it.
// Screens pushed here are owned by the stack and deleted when popped, unless shared.
class NavigationController : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kTransitionMillis = 350;

    explicit NavigationController(ViewController* root, QWidget* parent = nullptr);
    ~NavigationController() override;

    void pushViewController(ViewController* controller, bool animated);
    // The screen that was removed (already on its way out), or none at the root.
    ViewController* popViewControllerAnimated(bool animated);
    void popToRootViewControllerAnimated(bool animated);

    const std::vector<ViewController*>& viewControllers() const { return stack_; }
    ViewController* topViewController() const { return stack_.empty() ? nullptr : stack_.back(); }
    NavigationBar* navigationBar() const { return bar_; }
    void setNavigationBarHidden(bool hidden, bool animated);
    bool isNavigationBarHidden() const { return barHidden_; }
    bool isTransitioning() const { return transition_ != nullptr; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    QRect contentRect() const;
    void transition(ViewController* from, ViewController* to, bool forward, bool animated,
                    std::vector<ViewController*> removed);
    void finishTransition();
    void release(ViewController* controller);
    void showItemOf(ViewController* controller);

    NavigationBar* bar_;
    std::vector<ViewController*> stack_;
    bool barHidden_ = false;
    bool appeared_ = false;
    QParallelAnimationGroup* transition_ = nullptr;
};
