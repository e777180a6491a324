// Runs one step of a multi-start scenario over an application home, as separate processes:
//   old   — a database left by an older version: a narrower FEED table with two rows
//   write — this version over that file: signs a user in, saves secrets, questions, comments
//   read  — prints what a fresh start reads back
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

#include "core/ApplicationHome.h"
#include "model/Comment.h"
#include "model/Feed.h"
#include "model/UserInfo.h"
#include "services/LogicManager.h"
#include "store/IdCondition.h"
#include "store/UserDataBaseManager.h"

namespace {

int writeOld() {
    DataBase& db = UserDataBaseManager::sharedInstance();
    bool ok =
        db.executeUpdate(QStringLiteral("create table if not exists FEED (DBUid INTEGER,feedId "
                                        "INTEGER PRIMARY KEY,contentJson TEXT)"));
    for (int64_t id : {1, 2})
        ok = ok && db.executeUpdate(
                       QStringLiteral("insert into FEED (DBUid,feedId,contentJson) values (?,?,?)"),
                       {int64_t{0}, id, QStringLiteral("{}")});
    return ok ? 0 : 1;
}

int writeCurrent() {
    UserInfo& me = UserInfo::myselfInstance();
    me.userId = 0x8000000000000042ull;
    me.userKey = QStringLiteral("key-of-a-big-id");
    bool ok = me.synchronize();
    for (uint64_t id = 10; id < 60; ++id) {
        Feed feed;
        feed.feedId = id;
        feed.contentStr = QStringLiteral("秘密%1").arg(id);
        feed.likeNum = static_cast<uint32_t>(id);
        ok = ok && feed.synchronize() && feed.synchronize(QStringLiteral("FEEDCOLLECT"));
        if (id % 10 == 0) ok = ok && feed.synchronize(QStringLiteral("QUESTIONFEED"));
    }
    for (uint64_t id = 1; id <= 20; ++id) {
        Comment comment;
        comment.feedId = 10;
        comment.commentId = id;
        comment.comment = QStringLiteral("评论%1").arg(id);
        ok = ok && comment.synchronize();
    }
    LogicManager::sharedInstance().setPersistenceData(QVariant::fromValue<qulonglong>(~0ull),
                                                      QStringLiteral("FeedLastMessageId"));
    return ok ? 0 : 1;
}

int readBack() {
    DataBase& db = UserDataBaseManager::sharedInstance();
    const UserInfo& me = UserInfo::myselfInstance();
    const auto mine =
        db.queryWithClass<Feed>(QString(), whereIdEquals(QStringLiteral("DBUid"), me.userId));
    uint64_t likes = 0;
    for (const Feed& feed : mine)
        likes += feed.likeNum;
    const auto all = db.queryWithClass<Feed>();
    std::printf(
        "user=%llu key=%s feeds=%zu mine=%zu likes=%llu collected=%zu questions=%zu "
        "comments=%zu cursor=%lld oldRowText=%s\n",
        static_cast<unsigned long long>(me.userId), qPrintable(me.userKey), all.size(), mine.size(),
        static_cast<unsigned long long>(likes),
        db.queryWithClass<Feed>(QStringLiteral("FEEDCOLLECT")).size(),
        db.queryWithClass<Feed>(QStringLiteral("QUESTIONFEED")).size(),
        db.queryWithClass<Comment>().size(),
        static_cast<long long>(LogicManager::sharedInstance().getPersistenceIntegerWithKey(
            QStringLiteral("FeedLastMessageId"))),
        all.empty() ? "-" : (all.front().contentStr.isNull() ? "null" : "text"));
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) return 2;
    ApplicationHome::setPath(args[1]);
    if (args[2] == QStringLiteral("old")) return writeOld();
    if (args[2] == QStringLiteral("write")) return writeCurrent();
    if (args[2] == QStringLiteral("read")) return readBack();
    return 2;
}
