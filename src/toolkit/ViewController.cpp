#include "toolkit/ViewController.h"

#include <QPropertyAnimation>

#include "toolkit/NavigationController.h"

ViewController::ViewController(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
}

void ViewController::setBackgroundColor(const QColor& colour) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour);
    setPalette(palette);
}

void ViewController::setTitle(const QString& title) {
    navigationItem_.title = title;
    emit navigationItemChanged();
}

NavigationController* ViewController::navigationController() const {
    for (QWidget* parent = parentWidget(); parent; parent = parent->parentWidget())
        if (auto* navigation = qobject_cast<NavigationController*>(parent)) return navigation;
    return nullptr;
}

void ViewController::loadViewIfNeeded() {
    if (loaded_) return;
    loaded_ = true;
    viewDidLoad();
}

void ViewController::presentViewController(ViewController* controller, bool animated) {
    QWidget* host = window();
    if (!controller || !host || presented_) return;
    auto* stack = new NavigationController(controller, host);
    presented_ = controller;
    presentedStack_ = stack;
    controller->presenting_ = this;
    const QRect frame = host->rect();
    stack->setGeometry(frame.translated(0, animated ? frame.height() : 0));
    stack->show();
    stack->raise();
    if (!animated) return;
    auto* slide = new QPropertyAnimation(stack, "pos", stack);
    slide->setDuration(kPresentMillis);
    slide->setEasingCurve(QEasingCurve::OutCubic);
    slide->setEndValue(QPoint(0, 0));
    slide->start(QAbstractAnimation::DeleteWhenStopped);
}

void ViewController::dismissViewControllerAnimated(bool animated) {
    // Called on the presented screen itself: its presenter does it.
    if (!presented_ && presenting_) {
        presenting_->dismissViewControllerAnimated(animated);
        return;
    }
    QPointer<NavigationController> stack = presentedStack_;
    presented_ = nullptr;
    presentedStack_ = nullptr;
    if (!stack) return;
    if (!animated) {
        stack->hide();
        stack->deleteLater();
        return;
    }
    auto* slide = new QPropertyAnimation(stack, "pos", stack);
    slide->setDuration(kPresentMillis);
    slide->setEasingCurve(QEasingCurve::InCubic);
    slide->setEndValue(QPoint(0, stack->height()));
    connect(slide, &QAbstractAnimation::finished, stack, [stack] {
        if (stack) stack->deleteLater();
    });
    slide->start(QAbstractAnimation::DeleteWhenStopped);
}
