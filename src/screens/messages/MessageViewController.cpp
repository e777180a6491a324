#include "screens/messages/MessageViewController.h"

#include "toolkit/BackButton.h"
#include "toolkit/NavigationController.h"

MessageViewController::MessageViewController() {
    setObjectName(QStringLiteral("MessageViewController"));
}

void MessageViewController::viewDidLoad() {
    setBackgroundColor(QColor(0xF4, 0xF0, 0xF2));
    navigationItem().setTitleString(QStringLiteral("星笺"));
    setNavBackButton(this);
}
