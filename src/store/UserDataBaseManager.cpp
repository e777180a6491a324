#include "store/UserDataBaseManager.h"

#include "core/ApplicationHome.h"

UserDataBaseManager& UserDataBaseManager::sharedInstance() {
    static auto* instance = new UserDataBaseManager;  // lives for the whole process
    return *instance;
}

UserDataBaseManager::UserDataBaseManager() {
    open();
}

void UserDataBaseManager::open() {
    // One file for every user of the device: the name's user part is always empty.
    openFile(ApplicationHome::filePath(QStringLiteral("Documents/database%1.db").arg(QString())));
}
