#include "toolkit/NavigationController.h"

#include <QParallelAnimationGroup>
#include <QPropertyAnimation>

#include "toolkit/NavigationBar.h"
#include "toolkit/ViewController.h"

NavigationController::NavigationController(ViewController* root, QWidget* parent)
    : QWidget(parent), bar_(new NavigationBar(this)) {
    setObjectName(QStringLiteral("navigationController"));
    if (root) {
        root->setParent(this);
        root->loadViewIfNeeded();
        stack_.push_back(root);
        showItemOf(root);
    }
}

NavigationController::~NavigationController() {
    if (transition_) transition_->stop();
    bar_->showItem(nullptr, nullptr);          // bar items go back to their screens
    for (ViewController* controller : stack_)  // shared screens live on (maybe in another stack)
        if (controller->isShared() && controller->parent() == this) controller->setParent(nullptr);
}

QRect NavigationController::contentRect() const {
    const int top = barHidden_ ? 0 : NavigationBar::kHeight;
    return {0, top, width(), height() - top};
}

void NavigationController::showItemOf(ViewController* controller) {
    bar_->showItem(controller ? &controller->navigationItem() : nullptr, controller);
    if (controller) {
        disconnect(controller, &ViewController::navigationItemChanged, this, nullptr);
        connect(controller, &ViewController::navigationItemChanged, this, [this, controller] {
            if (topViewController() == controller)
                bar_->showItem(&controller->navigationItem(), controller);
        });
    }
}

void NavigationController::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (appeared_ || !topViewController()) return;
    appeared_ = true;
    ViewController* top = topViewController();
    top->setGeometry(contentRect());
    top->viewWillAppear(false);
    top->show();
    top->viewDidAppear(false);
}

void NavigationController::resizeEvent(QResizeEvent*) {
    bar_->setGeometry(0, 0, width(), NavigationBar::kHeight);
    if (!isTransitioning() && topViewController()) topViewController()->setGeometry(contentRect());
}

void NavigationController::pushViewController(ViewController* controller, bool animated) {
    if (!controller || std::find(stack_.begin(), stack_.end(), controller) != stack_.end()) return;
    finishTransition();
    ViewController* from = topViewController();
    controller->setParent(this);
    controller->loadViewIfNeeded();
    stack_.push_back(controller);
    transition(from, controller, true, animated, {});
}

ViewController* NavigationController::popViewControllerAnimated(bool animated) {
    finishTransition();
    if (stack_.size() < 2) return nullptr;
    ViewController* removed = stack_.back();
    stack_.pop_back();
    transition(removed, topViewController(), false, animated, {removed});
    return removed;
}

void NavigationController::popToRootViewControllerAnimated(bool animated) {
    finishTransition();
    if (stack_.size() < 2) return;
    ViewController* from = stack_.back();
    std::vector<ViewController*> removed(stack_.begin() + 1, stack_.end());
    stack_.resize(1);
    transition(from, stack_.front(), false, animated, removed);
}

void NavigationController::transition(ViewController* from, ViewController* to, bool forward,
                                      bool animated, std::vector<ViewController*> removed) {
    const bool visible = isVisible();
    showItemOf(to);
    const QRect content = contentRect();
    if (visible) {
        if (from) from->viewWillDisappear(animated);
        to->viewWillAppear(animated);
    }
    to->setGeometry(content);
    to->show();
    to->raise();
    if (!forward && from) from->raise();  // the leaving screen slides out on top
    bar_->raise();

    auto done = [this, from, to, visible, animated, removed] {
        if (from) from->hide();
        if (visible) {
            if (from) from->viewDidDisappear(animated);
            to->viewDidAppear(animated);
        }
        for (ViewController* controller : removed)
            release(controller);
    };
    if (!animated || !visible || !from) {
        done();
        return;
    }
    transition_ = new QParallelAnimationGroup(this);
    auto* incoming = new QPropertyAnimation(to, "pos", transition_);
    auto* outgoing = new QPropertyAnimation(from, "pos", transition_);
    for (QPropertyAnimation* slide : {incoming, outgoing}) {
        slide->setDuration(kTransitionMillis);
        slide->setEasingCurve(QEasingCurve::OutCubic);
    }
    const QPoint origin = content.topLeft();
    const QPoint right = origin + QPoint(width(), 0);
    const QPoint left = origin - QPoint(width() / 3, 0);
    incoming->setStartValue(forward ? right : left);
    incoming->setEndValue(origin);
    outgoing->setStartValue(origin);
    outgoing->setEndValue(forward ? left : right);
    to->move(forward ? right : left);
    connect(transition_, &QAbstractAnimation::finished, this, [this, done] {
        transition_->deleteLater();
        transition_ = nullptr;
        done();
    });
    transition_->start();
}

void NavigationController::finishTransition() {
    if (!transition_) return;
    // Jump to the end: a new push or pop never waits for the previous slide.
    transition_->setCurrentTime(transition_->duration());
    if (transition_) {
        transition_->stop();
        emit transition_->finished();
    }
}

void NavigationController::release(ViewController* controller) {
    if (controller->isShared()) {
        controller->hide();
        controller->setParent(nullptr);
    } else {
        controller->deleteLater();
    }
}

void NavigationController::setNavigationBarHidden(bool hidden, bool animated) {
    (void)animated;  // the bar appears and goes at once
    barHidden_ = hidden;
    bar_->setVisible(!hidden);
    if (!isTransitioning() && topViewController()) topViewController()->setGeometry(contentRect());
}
