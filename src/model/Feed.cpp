#include "model/Feed.h"

#include "model/UserInfo.h"

Feed::Feed() : DBUid(UserInfo::myselfInstance().userId) {}

const RecordClass& Feed::metaClass() {
    static const RecordClass meta(
        QStringLiteral("Feed"),
        {XJ_FIELD(Feed, DBUid), XJ_FIELD(Feed, feedId), XJ_FIELD(Feed, contentJson),
         XJ_FIELD(Feed, likeNum), XJ_FIELD(Feed, commentNum), XJ_FIELD(Feed, addressStr),
         XJ_FIELD(Feed, isOwnZanFeed), XJ_FIELD(Feed, canComment), XJ_FIELD(Feed, contentStr),
         XJ_FIELD(Feed, imageStr)},
        QStringLiteral("feedId"));
    return meta;
}
