#include "toolkit/PhoneWindow.h"

#include "platform/Badge.h"
#include "services/LogicManager.h"
#include "toolkit/NavigationController.h"
#include "toolkit/ViewController.h"

namespace {
QPointer<PhoneWindow> current;
}

PhoneWindow* PhoneWindow::applicationWindow() {
    return current;
}

PhoneWindow::PhoneWindow(QWidget* parent) : QWidget(parent) {
    current = this;
    setObjectName(QStringLiteral("window"));
    setWindowTitle(QStringLiteral("星笺"));
    setFixedSize(kWidth, kHeight);
    LogicManager::sharedInstance().setRootSwitcher(
        [this](ViewController* controller, bool withNavigationBar) {
            setRootViewController(controller, withNavigationBar);
        });
}

PhoneWindow::~PhoneWindow() {
    LogicManager::sharedInstance().setRootSwitcher(nullptr);
    Badge::setDisplay(nullptr);
    if (auto* screen = qobject_cast<ViewController*>(root_.data()); screen && screen->isShared())
        screen->setParent(nullptr);
}

void PhoneWindow::setRootViewController(ViewController* controller, bool withNavigationBar) {
    if (!controller) return;
    QWidget* old = root_;
    QWidget* root = withNavigationBar
                        ? static_cast<QWidget*>(new NavigationController(controller, this))
                        : static_cast<QWidget*>(controller);
    if (!withNavigationBar) {
        controller->setParent(this);
        controller->loadViewIfNeeded();
    }
    root_ = root;
    root->setGeometry(rect());
    root->show();
    if (!withNavigationBar) {
        controller->viewWillAppear(false);
        controller->viewDidAppear(false);
    }
    if (old && old != root) {
        old->hide();
        if (auto* screen = qobject_cast<ViewController*>(old); screen && screen->isShared()) {
            screen->setParent(nullptr);
        } else {
            old->deleteLater();  // a navigation stack lets its shared screens go first
        }
    }
}

ViewController* PhoneWindow::topViewController() const {
    if (auto* stack = qobject_cast<NavigationController*>(root_.data()))
        return stack->topViewController();
    return qobject_cast<ViewController*>(root_.data());
}

void PhoneWindow::resizeEvent(QResizeEvent*) {
    if (root_) root_->setGeometry(rect());
}
