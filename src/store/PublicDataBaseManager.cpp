#include "store/PublicDataBaseManager.h"

#include <QFile>

#include "core/ApplicationHome.h"

PublicDataBaseManager& PublicDataBaseManager::sharedInstance() {
    static auto* instance = new PublicDataBaseManager;  // lives for the whole process
    return *instance;
}

PublicDataBaseManager::PublicDataBaseManager() {
    open();
}

void PublicDataBaseManager::open() {
    const QString path = ApplicationHome::filePath(QStringLiteral("Documents/PublicDatabase.db"));
    if (!QFile::exists(path)) QFile::copy(QStringLiteral(":/PublicDatabase.db"), path);  // may fail
    openFile(path);
}
