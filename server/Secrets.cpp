#include "Secrets.h"

#include <SQLiteCpp/Savepoint.h>
#include <SQLiteCpp/Statement.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

#include "Accounts.h"
#include "ServerDatabase.h"

namespace {

std::string text(const QString& value) {
    return value.toStdString();
}
QString qtext(const SQLite::Column& column) {
    return QString::fromStdString(column.getString());
}

// id, author, content, demo, likes, comments, liked by the viewer (?1)
const char* const kItemColumns = R"SQL(
    s.id, s.author, s.content, s.demo,
    (select count(*) from likes l where l.secret = s.id),
    (select count(*) from comments c where c.secret = s.id),
    exists(select 1 from likes l where l.secret = s.id and l.user = ?1))SQL";

const char* const kHiddenFromViewer = R"SQL(
    not exists (select 1 from removed r where r.user = ?1 and r.secret = s.id)
    and not exists (select 1 from reports p where p.user = ?1 and p.secret = s.id))SQL";

const QString kDemoHttp = QStringLiteral("{{HTTP}}");

}  // namespace

Secrets::Secrets(ServerDatabase& database, Accounts& accounts, Clock clock,
                 std::function<QString()> httpBase)
    : database_(database),
      accounts_(accounts),
      clock_(std::move(clock)),
      httpBase_(std::move(httpBase)) {}

QString Secrets::label(Reach reach) {
    switch (reach) {
        case Reach::Circle:
            return QStringLiteral("朋友圈");
        case Reach::FriendLiked:
            return QStringLiteral("好友赞过");
        case Reach::Popular:
            return QStringLiteral("热门");
        case Reach::None:
            break;
    }
    return QStringLiteral("");
}

QString Secrets::presentable(const QString& contentJson, bool demo) const {
    // Demo photos live on this server, wherever it listens now.
    if (!demo) return contentJson;
    QString content = contentJson;
    return content.replace(kDemoHttp, httpBase_());
}

Secrets::Viewer Secrets::viewer(uint64_t user) {
    Viewer v;
    v.user = user;
    v.muted = accounts_.isMuted(user);
    v.friends = accounts_.friendsOf(user);
    for (const uint64_t f : v.friends)
        for (const uint64_t ff : accounts_.friendsOf(f))
            if (ff != user && !v.friends.contains(ff)) v.friendsOfFriends.insert(ff);
    return v;
}

Secrets::Reach Secrets::reachFor(const Viewer& viewer, uint64_t secret, uint64_t author,
                                 uint32_t likes) {
    if (author == viewer.user || viewer.friends.contains(author)) return Reach::Circle;
    if (likes > 0 && viewer.friendsOfFriends.contains(author)) return Reach::Circle;
    if (likes > 0) {
        auto likers = database_.statement("select user from likes where secret = ?");
        likers.bind(1, static_cast<int64_t>(secret));
        while (likers.executeStep())
            if (viewer.friends.contains(static_cast<uint64_t>(likers.getColumn(0).getInt64())))
                return Reach::FriendLiked;
    }
    return likes >= kPopularLikes ? Reach::Popular : Reach::None;
}

Secrets::Reach Secrets::reach(uint64_t user, uint64_t secret) {
    auto query = database_.statement(
        "select author, (select count(*) from likes where secret = ?1) "
        "from secrets where id = ?1");
    query.bind(1, static_cast<int64_t>(secret));
    if (!query.executeStep()) return Reach::None;
    return reachFor(viewer(user), secret, static_cast<uint64_t>(query.getColumn(0).getInt64()),
                    static_cast<uint32_t>(query.getColumn(1).getInt()));
}

bool Secrets::exists(uint64_t secret) {
    auto query = database_.statement("select 1 from secrets where id = ?");
    query.bind(1, static_cast<int64_t>(secret));
    return query.executeStep();
}

Secrets::Item Secrets::itemFromRow(const Viewer& viewer, SQLite::Statement& row, Reach* reach) {
    Item item;
    item.id = static_cast<uint64_t>(row.getColumn(0).getInt64());
    const auto author = static_cast<uint64_t>(row.getColumn(1).getInt64());
    item.contentJson = presentable(qtext(row.getColumn(2)), row.getColumn(3).getInt() != 0);
    item.likes = static_cast<uint32_t>(row.getColumn(4).getInt());
    item.comments = static_cast<uint32_t>(row.getColumn(5).getInt());
    item.likedByMe = viewer.muted ? kMutedLikeState : row.getColumn(6).getInt();
    *reach = reachFor(viewer, item.id, author, item.likes);
    item.label = label(*reach);
    return item;
}

std::pair<int32_t, uint64_t> Secrets::publish(uint64_t user, const QString& locationJson,
                                              const QString& contentJson, qint64 created,
                                              bool demo) {
    const QJsonObject content = QJsonDocument::fromJson(contentJson.toUtf8()).object();
    if (content.value(QStringLiteral("content")).toString().isEmpty()) return {-2, 0};
    auto insert = database_.statement(
        "insert into secrets (author, content, location, created, demo) "
        "values (?, ?, ?, ?, ?)");
    insert.bind(1, static_cast<int64_t>(user));
    insert.bind(2, text(contentJson));
    insert.bind(3, text(locationJson));
    insert.bind(4, static_cast<int64_t>(created ? created : clock_()));
    insert.bind(5, demo ? 1 : 0);
    insert.exec();
    return {0, static_cast<uint64_t>(database_.db().getLastInsertRowid())};
}

Secrets::Page Secrets::timeline(uint64_t user, uint32_t fetchTime, uint64_t cursor, int32_t limit) {
    const Viewer me = viewer(user);
    Page page;
    page.cursor = cursor;
    const int want = std::clamp(limit, 1, kMaxPage);
    auto query = database_.statement(std::string("select ") + kItemColumns +
                                     " from secrets s where s.id > ?2 and s.created > ?3 and " +
                                     kHiddenFromViewer + " order by s.id limit 200");
    uint64_t after = cursor;
    while (static_cast<int>(page.items.size()) < want) {
        query.reset();
        query.bind(1, static_cast<int64_t>(user));
        query.bind(2, static_cast<int64_t>(after));
        query.bind(3, static_cast<int64_t>(fetchTime));
        int rows = 0;
        while (query.executeStep() && static_cast<int>(page.items.size()) < want) {
            ++rows;
            Reach reach = Reach::None;
            Item item = itemFromRow(me, *query, &reach);
            after = item.id;
            if (reach == Reach::None) continue;
            page.cursor = item.id;
            page.items.push_back(std::move(item));
        }
        if (rows == 0) break;
    }
    return page;
}

std::vector<Secrets::Item> Secrets::collected(uint64_t user) {
    const Viewer me = viewer(user);
    auto query =
        database_.statement(std::string("select ") + kItemColumns +
                            " from secrets s join collected k on k.secret = s.id and k.user = ?1"
                            " where " +
                            kHiddenFromViewer + " order by s.id");
    query.bind(1, static_cast<int64_t>(user));
    std::vector<Item> items;
    while (query.executeStep()) {
        Reach reach = Reach::None;
        items.push_back(itemFromRow(me, *query, &reach));
    }
    return items;
}

std::pair<uint64_t, std::vector<Secrets::Question>> Secrets::questions(uint64_t cursor,
                                                                       int32_t limit) {
    auto query =
        database_.statement("select id, content from questions where id > ? order by id limit ?");
    query.bind(1, static_cast<int64_t>(cursor));
    query.bind(2, std::clamp(limit, 1, kMaxPage));
    std::vector<Question> list;
    uint64_t last = cursor;
    while (query.executeStep()) {
        last = static_cast<uint64_t>(query.getColumn(0).getInt64());
        list.push_back({last, presentable(qtext(query.getColumn(1)), true)});
    }
    return {last, list};
}

Secrets::Detail Secrets::detail(uint64_t user, uint64_t secret) {
    Detail out;
    const Viewer me = viewer(user);
    auto query = database_.statement(std::string("select ") + kItemColumns +
                                     " from secrets s where s.id = ?2");
    query.bind(1, static_cast<int64_t>(user));
    query.bind(2, static_cast<int64_t>(secret));
    if (!query.executeStep()) return out;
    Reach reach = Reach::None;
    const Item item = itemFromRow(me, *query, &reach);
    out = {0, item.likes, item.likedByMe, reach == Reach::Circle ? 1 : 2, {}};

    auto comments = database_.statement(R"SQL(
        select c.id, c.text, c.floor, c.avatar, c.created, c.author,
            (select count(*) from comment_likes k where k.comment = c.id),
            exists(select 1 from comment_likes k where k.comment = c.id and k.user = ?1)
        from comments c where c.secret = ?2 order by c.floor)SQL");
    comments.bind(1, static_cast<int64_t>(user));
    comments.bind(2, static_cast<int64_t>(secret));
    while (comments.executeStep()) {
        CommentItem c;
        c.id = static_cast<uint64_t>(comments.getColumn(0).getInt64());
        c.text = qtext(comments.getColumn(1));
        c.floor = static_cast<uint32_t>(comments.getColumn(2).getInt());
        c.avatar = static_cast<uint32_t>(comments.getColumn(3).getInt());
        c.created = static_cast<uint32_t>(comments.getColumn(4).getInt64());
        const bool mine = static_cast<uint64_t>(comments.getColumn(5).getInt64()) == user;
        c.likes = static_cast<uint32_t>(comments.getColumn(6).getInt());
        c.likedByMe = mine ? -1 : comments.getColumn(7).getInt();
        out.comments.push_back(c);
    }
    return out;
}

Secrets::Action Secrets::act(uint64_t user, uint64_t secret, uint64_t comment, int32_t operation,
                             const QString& commentText, qint64 created) {
    Action out;
    out.first = secret;
    const bool known =
        operation == 1 || operation == 2 || operation == 4 || operation == 6 || operation == 7;
    if (!known || !exists(secret)) return out;
    const bool adds = operation == 1 || operation == 4 || operation == 6;
    if (adds && accounts_.isMuted(user)) return out;

    if (operation == 1 || operation == 2) {
        auto change = database_.statement(
            operation == 1 ? "insert or ignore into likes (secret, user) values (?, ?)"
                           : "delete from likes where secret = ? and user = ?");
        change.bind(1, static_cast<int64_t>(secret));
        change.bind(2, static_cast<int64_t>(user));
        change.exec();
        auto count = database_.statement("select count(*) from likes where secret = ?");
        count.bind(1, static_cast<int64_t>(secret));
        count.executeStep();
        out.second = static_cast<uint64_t>(count.getColumn(0).getInt64());
        out.result = 0;
        return out;
    }
    if (operation == 6 || operation == 7) {
        auto belongs = database_.statement("select 1 from comments where id = ? and secret = ?");
        belongs.bind(1, static_cast<int64_t>(comment));
        belongs.bind(2, static_cast<int64_t>(secret));
        if (!belongs.executeStep()) return out;
        auto change = database_.statement(
            operation == 6 ? "insert or ignore into comment_likes (comment, user) values (?, ?)"
                           : "delete from comment_likes where comment = ? and user = ?");
        change.bind(1, static_cast<int64_t>(comment));
        change.bind(2, static_cast<int64_t>(user));
        change.exec();
        out.second = comment;
        out.result = 0;
        return out;
    }
    // A comment: only in the commenter's circle, never empty.
    if (commentText.trimmed().isEmpty()) {
        out.result = -2;
        return out;
    }
    if (reach(user, secret) != Reach::Circle) return out;
    SQLite::Savepoint transaction(database_.db(), "change");
    auto facts = database_.statement(R"SQL(
        select (select author from secrets where id = ?1),
               (select coalesce(max(floor), 0) from comments where secret = ?1),
               (select avatar from comments where secret = ?1 and author = ?2 limit 1),
               (select count(distinct author) from comments where secret = ?1
                    and author != (select author from secrets where id = ?1)))SQL");
    facts.bind(1, static_cast<int64_t>(secret));
    facts.bind(2, static_cast<int64_t>(user));
    facts.executeStep();
    const auto author = static_cast<uint64_t>(facts.getColumn(0).getInt64());
    const int floor = facts.getColumn(1).getInt() + 1;
    int avatar = 0;
    if (user != author) {
        avatar = facts.getColumn(2).isNull() ? facts.getColumn(3).getInt() % kAvatarCount + 1
                                             : facts.getColumn(2).getInt();
    }
    facts.reset();
    auto insert = database_.statement(
        "insert into comments (secret, author, text, floor, avatar, created) "
        "values (?, ?, ?, ?, ?, ?)");
    insert.bind(1, static_cast<int64_t>(secret));
    insert.bind(2, static_cast<int64_t>(user));
    insert.bind(3, text(commentText));
    insert.bind(4, floor);
    insert.bind(5, avatar);
    insert.bind(6, static_cast<int64_t>(created ? created : clock_()));
    insert.exec();
    out.second = static_cast<uint64_t>(database_.db().getLastInsertRowid());
    transaction.release();
    out.result = 0;
    return out;
}

int32_t Secrets::collect(uint64_t user, uint64_t secret) {
    if (!exists(secret)) return -1;
    auto insert = database_.statement(
        "insert or ignore into collected (user, secret, created) values (?, ?, ?)");
    insert.bind(1, static_cast<int64_t>(user));
    insert.bind(2, static_cast<int64_t>(secret));
    insert.bind(3, static_cast<int64_t>(clock_()));
    insert.exec();
    return 0;
}

int32_t Secrets::report(uint64_t user, uint64_t secret, int32_t uniqueCode, const QString& reason) {
    if (!exists(secret)) return -1;
    auto insert = database_.statement(
        "insert into reports (user, secret, reason, unique_code, created) "
        "values (?, ?, ?, ?, ?)");
    insert.bind(1, static_cast<int64_t>(user));
    insert.bind(2, static_cast<int64_t>(secret));
    insert.bind(3, text(reason));
    insert.bind(4, uniqueCode);
    insert.bind(5, static_cast<int64_t>(clock_()));
    insert.exec();
    return 0;
}

int32_t Secrets::remove(uint64_t user, uint64_t secret) {
    if (!exists(secret)) return -1;
    auto insert = database_.statement("insert or ignore into removed (user, secret) values (?, ?)");
    insert.bind(1, static_cast<int64_t>(user));
    insert.bind(2, static_cast<int64_t>(secret));
    insert.exec();
    return 0;
}

int32_t Secrets::feedback(uint64_t user, const QString& feedbackText) {
    if (feedbackText.trimmed().isEmpty()) return -2;
    auto insert =
        database_.statement("insert into feedback (user, text, created) values (?, ?, ?)");
    insert.bind(1, static_cast<int64_t>(user));
    insert.bind(2, text(feedbackText));
    insert.bind(3, static_cast<int64_t>(clock_()));
    insert.exec();
    return 0;
}

int32_t Secrets::pushToken(uint64_t user, int32_t phase, const QString& token, int32_t systemCode) {
    if (phase == 1) {
        if (token.isEmpty()) return -2;
        auto store = database_.statement(
            "insert or replace into push_tokens (user, token, system, updated) "
            "values (?, ?, ?, ?)");
        store.bind(1, static_cast<int64_t>(user));
        store.bind(2, text(token));
        store.bind(3, systemCode);
        store.bind(4, static_cast<int64_t>(clock_()));
        store.exec();
        return 0;
    }
    if (phase == 2) {
        auto withdraw = database_.statement("delete from push_tokens where user = ?");
        withdraw.bind(1, static_cast<int64_t>(user));
        withdraw.exec();
        return 0;
    }
    return -2;
}

uint64_t Secrets::addQuestion(const QString& contentJson, qint64 created) {
    auto insert = database_.statement("insert into questions (content, created) values (?, ?)");
    insert.bind(1, text(contentJson));
    insert.bind(2, static_cast<int64_t>(created));
    insert.exec();
    return static_cast<uint64_t>(database_.db().getLastInsertRowid());
}
