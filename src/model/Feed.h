#pragma once

#include <QString>
#include <cstdint>

#include "store/Record.h"

// One secret. Stored in "FEED" (timeline), "QUESTIONFEED" (guide questions) and
// "FEEDCOLLECT" (collected secrets); primary key feedId.
class Feed : public Record<Feed> {
  public:
    Feed();
    static const RecordClass& metaClass();

    uint64_t DBUid = 0;  // the user this row was cached for
    uint64_t feedId = 0;
    QString contentJson;
    uint32_t likeNum = 0;
    uint32_t commentNum = 0;
    QString addressStr;  // origin label
    uint32_t isOwnZanFeed = 0;
    uint32_t canComment = 0;
    QString contentStr;
    QString imageStr;  // a background resource name, or the photo's address
};
