#pragma once

#include <QString>
#include <cstdint>

#include "store/Record.h"

// One comment on a secret; primary key commentId.
class Comment : public Record<Comment> {
  public:
    Comment();
    static const RecordClass& metaClass();

    uint64_t DBUid = 0;
    uint64_t feedId = 0;
    uint64_t commentId = 0;
    QString comment;
    uint32_t avatarId = 0;
    uint32_t createTime = 0;  // seconds since 1970
    uint32_t likeNum = 0;
    uint32_t floorNum = 0;
    uint32_t isOwnZanComment = 0;
};
