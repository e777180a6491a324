#include "services/LogicManager.h"

#include <QSettings>

#include "platform/AddressBook.h"
#include "services/RecordingAlertPresenter.h"

LogicManager& LogicManager::sharedInstance() {
    static auto* instance = new LogicManager;  // lives for the whole process
    return *instance;
}

LogicManager::LogicManager() : recorder_(std::make_unique<RecordingAlertPresenter>()) {
    presenter_ = recorder_.get();
}

LogicManager::~LogicManager() = default;

void LogicManager::setRootViewContrllerWithNavigationBar(ViewController* controller) {
    if (controller && rootSwitcher_) rootSwitcher_(controller, true);
}

void LogicManager::setRootViewContrller(ViewController* controller) {
    if (controller && rootSwitcher_) rootSwitcher_(controller, false);
}
