#include "model/UserInfo.h"

#include <QRegularExpression>
#include <QVariant>

#include "services/LogicManager.h"
#include "services/SettingsKeys.h"
#include "store/IdCondition.h"
#include "store/UserDataBaseManager.h"

namespace {

std::unique_ptr<UserInfo> loadMyself() {
    const QString userId =
        LogicManager::sharedInstance().getPersistenceStringWithKey(SettingsKeys::USERID);
    // The id is pasted into the condition, so only a decimal number is ever used.
    static const QRegularExpression decimal(QStringLiteral("^[0-9]{1,20}$"));
    bool fits = false;
    userId.toULongLong(&fits);
    if (decimal.match(userId).hasMatch() && fits) {
        const QString condition =
            whereIdEquals(QStringLiteral("userId"), userId.toULongLong()) + QLatin1Char(' ');
        std::vector<UserInfo> rows =
            UserDataBaseManager::sharedInstance().queryWithClass<UserInfo>(QString(), condition);
        if (!rows.empty()) return std::make_unique<UserInfo>(std::move(rows.front()));
    }
    return std::make_unique<UserInfo>();
}

}  // namespace

UserInfo::UserInfo()
    : DBUid(static_cast<uint64_t>(
          LogicManager::sharedInstance().getPersistenceIntegerWithKey(SettingsKeys::USERID))) {}

const RecordClass& UserInfo::metaClass() {
    static const RecordClass meta(QStringLiteral("UserInfo"),
                                  {XJ_FIELD(UserInfo, DBUid), XJ_FIELD(UserInfo, userId),
                                   XJ_FIELD(UserInfo, userKey), XJ_FIELD(UserInfo, userAPNsToken)},
                                  QStringLiteral("userId"));
    return meta;
}

UserInfo& UserInfo::loadMyselfInstance() {
    myself_ = loadMyself().release();  // lives for the whole process
    return *myself_;
}

void UserInfo::reloadMyselfInstance() {
    // Kept at the same address: screens and builders may hold the reference.
    if (myself_) {
        *myself_ = *loadMyself();
    } else {
        loadMyselfInstance();
    }
}

bool UserInfo::synchronize(const QString& tableName) {
    if (this == myself_) {
        DBUid = 0;
        LogicManager::sharedInstance().setPersistenceData(QVariant::fromValue<qulonglong>(userId),
                                                          SettingsKeys::USERID);
    }
    return Record<UserInfo>::synchronize(tableName);
}
