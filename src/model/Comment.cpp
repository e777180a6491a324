#include "model/Comment.h"

#include "model/UserInfo.h"

Comment::Comment() : DBUid(UserInfo::myselfInstance().userId) {}

const RecordClass& Comment::metaClass() {
    static const RecordClass meta(
        QStringLiteral("Comment"),
        {XJ_FIELD(Comment, DBUid), XJ_FIELD(Comment, feedId), XJ_FIELD(Comment, commentId),
         XJ_FIELD(Comment, comment), XJ_FIELD(Comment, avatarId), XJ_FIELD(Comment, createTime),
         XJ_FIELD(Comment, likeNum), XJ_FIELD(Comment, floorNum),
         XJ_FIELD(Comment, isOwnZanComment)},
        QStringLiteral("commentId"));
    return meta;
}
