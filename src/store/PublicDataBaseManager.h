#pragma once

#include "store/DataBase.h"

// The public database, for record classes whose databaseType is 0. It starts as a copy of
// the bundled "PublicDatabase.db" resource when there is one.
class PublicDataBaseManager : public DataBase {
  public:
    static PublicDataBaseManager& sharedInstance();
    void open();

  private:
    PublicDataBaseManager();
};
