#include "toolkit/ViewController.h"

#include "toolkit/NavigationController.h"

ViewController::ViewController(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
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
