#pragma once

#include <QString>
#include <cstdint>

#include "store/Record.h"

// The signed-in user; primary key userId.
class UserInfo : public Record<UserInfo> {
  public:
    UserInfo();
    static const RecordClass& metaClass();

    // The one signed-in user record of the process: the saved row of "USERID", or a fresh
    // record when there is none.
    static UserInfo& myselfInstance() { return myself_ ? *myself_ : loadMyselfInstance(); }
    // Builds the shared record again from the current settings and database (after the
    // application home changed).
    static void reloadMyselfInstance();

    // Saving the shared record also stores its id under "USERID" (signed in next start).
    bool synchronize(const QString& tableName = {}) override;

    uint64_t DBUid = 0;
    uint64_t userId = 0;
    QString userKey;
    QString userAPNsToken;

  private:
    static UserInfo& loadMyselfInstance();
    // Every record's initialiser reads it: kept cheap to reach.
    static inline UserInfo* myself_ = nullptr;
};
