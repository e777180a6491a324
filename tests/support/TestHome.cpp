#include "support/TestHome.h"

#include "core/ApplicationHome.h"
#include "model/UserInfo.h"
#include "platform/AddressBook.h"
#include "services/LogicManager.h"
#include "services/RecordingAlertPresenter.h"
#include "store/PublicDataBaseManager.h"
#include "store/RecordClass.h"
#include "store/UserDataBaseManager.h"

TestHome::TestHome() {
    switchTo(dir_.path());
}

TestHome::~TestHome() = default;

QString TestHome::databasePath() const {
    return dir_.path() + QStringLiteral("/Documents/database.db");
}

void TestHome::switchTo(const QString& directory) {
    ApplicationHome::setPath(directory);
    LogicManager& hub = LogicManager::sharedInstance();
    hub.reloadSettings();
    hub.setAlertPresenter(nullptr);
    hub.recordingAlertPresenter().clear();
    hub.setAddressBook(nullptr);
    UserDataBaseManager::sharedInstance().open();
    PublicDataBaseManager::sharedInstance().open();
    RecordClass::resetRegistrationCache();
    UserInfo::reloadMyselfInstance();
}
