#include "screens/feed/MainViewController.h"

#include <QVBoxLayout>

#include "services/LogicManager.h"
#include "toolkit/TableView.h"

MainViewController& MainViewController::sharedInstance() {
    static MainViewController* instance = [] {
        auto* screen = new MainViewController;
        screen->setShared(true);
        return screen;
    }();
    return *instance;
}

void MainViewController::showAsRoot() {
    LogicManager::sharedInstance().setRootViewContrllerWithNavigationBar(&sharedInstance());
}

MainViewController::MainViewController() {
    setObjectName(QStringLiteral("MainViewController"));
}

void MainViewController::viewDidLoad() {
    navigationItem().setTitleString(QStringLiteral("星笺"));
    navigationItemDidChange();
    setBackgroundColor(QColor(0xF4, 0xF0, 0xF2));
    tableView_ = new TableView(this);
    tableView_->setObjectName(QStringLiteral("tableView"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tableView_);
}
