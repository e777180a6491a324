#include "toolkit/BackButton.h"

#include "toolkit/BarButtonItem.h"
#include "toolkit/NavigationController.h"
#include "toolkit/ViewController.h"

BarButtonItem* setNavBackButton(ViewController* screen, std::function<void()> action) {
    BarButtonItem* button = screen->navigationItem().setLeftBarButtonItem(
        QStringLiteral("btn_navBack_n"), QStringLiteral("btn_navBack_h"), QString(),
        QMargins(-10, 0, 10, 0), std::move(action));
    button->setObjectName(QStringLiteral("backButton"));
    screen->navigationItemDidChange();
    return button;
}

BarButtonItem* setNavBackButton(ViewController* screen) {
    return setNavBackButton(screen, [screen] {
        if (NavigationController* stack = screen->navigationController())
            stack->popViewControllerAnimated(true);
    });
}
