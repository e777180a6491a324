#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <set>
#include <vector>

class Accounts;
class ServerDatabase;
namespace SQLite {
class Statement;
}

// Secrets and everything done to them. What a user sees follows the app's promise: your own
// and your friends' secrets, and friends of friends' secrets once liked, are your circle
// ("朋友圈", may comment); outside it, secrets a friend liked ("好友赞过") and popular ones
// ("热门") are shown without comments.
class Secrets {
  public:
    using Clock = std::function<qint64()>;
    static constexpr int kPopularLikes = 3;
    static constexpr int kMaxPage = 50;
    static constexpr int32_t kMutedLikeState = -1020202;
    static constexpr int kAvatarCount = 20;

    enum class Reach { None, Circle, FriendLiked, Popular };

    struct Item {
        uint64_t id = 0;
        QString contentJson;
        uint32_t likes = 0;
        int32_t likedByMe = 0;
        uint32_t comments = 0;
        QString label;
    };
    struct Page {
        uint64_t cursor = 0;
        std::vector<Item> items;
    };
    struct Question {
        uint64_t id = 0;
        QString contentJson;
    };
    struct CommentItem {
        uint64_t id = 0;
        QString text;
        uint32_t floor = 0;
        uint32_t avatar = 0;
        uint32_t likes = 0;
        int32_t likedByMe = 0;
        uint32_t created = 0;
    };
    struct Detail {
        int32_t result = -1;
        uint32_t likes = 0;
        int32_t likedByMe = 0;
        int32_t canComment = 2;
        std::vector<CommentItem> comments;
    };
    struct Action {
        int32_t result = -1;
        uint64_t first = 0;   // the secret
        uint64_t second = 0;  // the new comment, or the like count
    };

    // httpBase: the server's current HTTP address, for the demo world's photos.
    Secrets(ServerDatabase& database, Accounts& accounts, Clock clock,
            std::function<QString()> httpBase);

    // -2 unless the content JSON has a non-empty "content" text.
    std::pair<int32_t, uint64_t> publish(uint64_t user, const QString& locationJson,
                                         const QString& contentJson, qint64 created = 0,
                                         bool demo = false);
    Page timeline(uint64_t user, uint32_t fetchTime, uint64_t cursor, int32_t limit);
    std::vector<Item> collected(uint64_t user);
    std::pair<uint64_t, std::vector<Question>> questions(uint64_t cursor, int32_t limit);
    Detail detail(uint64_t user, uint64_t secret);
    // Operations 1 like, 2 unlike, 4 comment, 6 like a comment, 7 unlike a comment.
    Action act(uint64_t user, uint64_t secret, uint64_t comment, int32_t operation,
               const QString& text, qint64 created = 0);
    int32_t collect(uint64_t user, uint64_t secret);
    int32_t report(uint64_t user, uint64_t secret, int32_t uniqueCode, const QString& reason);
    int32_t remove(uint64_t user, uint64_t secret);
    int32_t feedback(uint64_t user, const QString& text);
    int32_t pushToken(uint64_t user, int32_t phase, const QString& token, int32_t systemCode);
    uint64_t addQuestion(const QString& contentJson, qint64 created);

    Reach reach(uint64_t user, uint64_t secret);
    static QString label(Reach reach);

  private:
    struct Viewer {
        uint64_t user = 0;
        bool muted = false;
        std::set<uint64_t> friends;
        std::set<uint64_t> friendsOfFriends;
    };
    Viewer viewer(uint64_t user);
    Reach reachFor(const Viewer& viewer, uint64_t secret, uint64_t author, uint32_t likes);
    bool exists(uint64_t secret);
    QString presentable(const QString& contentJson, bool demo) const;
    // A row of kItemColumns as the viewer sees it; no label when the viewer may not see it.
    Item itemFromRow(const Viewer& viewer, SQLite::Statement& row, Reach* reach);

    ServerDatabase& database_;
    Accounts& accounts_;
    Clock clock_;
    std::function<QString()> httpBase_;
};
