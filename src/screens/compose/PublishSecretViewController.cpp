#include "screens/compose/PublishSecretViewController.h"

#include "toolkit/BackButton.h"
#include "toolkit/NavigationController.h"

PublishSecretViewController::PublishSecretViewController() {
    setObjectName(QStringLiteral("PublishSecretViewController"));
}

void PublishSecretViewController::viewDidLoad() {
    setBackgroundColor(QColor(0xF4, 0xF0, 0xF2));
    navigationItem().setTitleString(QStringLiteral("写秘密"));
    setNavBackButton(this);
}
