#pragma once

#include "store/DataBase.h"

// The user database, Documents/database.db below the application home: every record table
// of the client. Records carry their owner's id, so all users of a device share the file.
class UserDataBaseManager : public DataBase {
  public:
    static UserDataBaseManager& sharedInstance();
    // (Re)opens the file below the current application home.
    void open();

  private:
    UserDataBaseManager();
};
