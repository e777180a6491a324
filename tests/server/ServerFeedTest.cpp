#include <QJsonDocument>
#include <QJsonObject>
#include <map>

#include "Secrets.h"
#include "ServerFixture.h"

namespace {

// Five users: me; f, my friend; ff, f's friend (not mine); out1 and out2 outside my circle;
// and fans who like out2's secret.
class ServerFeed : public ServerFixture {
  protected:
    void SetUp() override {
        ServerFixture::SetUp();
        me = signUp(QStringLiteral("13800000001"));
        f = signUp(QStringLiteral("13800000002"));
        ff = signUp(QStringLiteral("13800000003"));
        out1 = signUp(QStringLiteral("13800000004"));
        out2 = signUp(QStringLiteral("13800000005"));
        ASSERT_EQ(uploadBook(me, {QStringLiteral("13800000002")}), 0);
        ASSERT_EQ(uploadBook(f, {QStringLiteral("13800000003")}), 0);
    }

    std::map<uint64_t, Item> byId(const Page& page) {
        std::map<uint64_t, Item> items;
        for (const Item& item : page.items)
            items[item.id] = item;
        return items;
    }

    struct Detail {
        int32_t result = 0;
        uint32_t likes = 0;
        int32_t liked = 0;
        int32_t canComment = 0;
        struct C {
            uint64_t feed, id;
            QString text;
            uint32_t floor, avatar, likes;
            int32_t liked;
            uint32_t created;
        };
        std::vector<C> comments;
    };
    Detail detail(const Session& user, uint64_t secret) {
        Package request(2, 6);
        request.feedDetailInfoWithUserId(user.userId, user.key, secret);
        Package reply = call(request);
        Detail d;
        d.result = result(reply);
        if (d.result != 0) return d;
        d.likes = reply.readInt32();
        d.liked = reply.readSignedInt32();
        d.canComment = reply.readSignedInt32();
        const uint32_t n = reply.readInt32();
        for (uint32_t i = 0; i < n; ++i) {
            Detail::C c{};
            c.feed = reply.readInt64();
            c.id = reply.readInt64();
            c.text = QString::fromStdString(reply.readString().value_or(""));
            c.floor = reply.readInt32();
            c.avatar = reply.readInt32();
            c.likes = reply.readInt32();
            c.liked = reply.readSignedInt32();
            c.created = reply.readInt32();
            d.comments.push_back(c);
        }
        EXPECT_EQ(reply.index(), reply.length());
        return d;
    }

    Session me, f, ff, out1, out2;
};

}  // namespace

TEST_F(ServerFeed, WhatEachUserSeesFollowsTheCircle) {
    const uint64_t mine = publish(me, QStringLiteral("我的"));
    const uint64_t friends = publish(f, QStringLiteral("朋友的"));
    const uint64_t fof = publish(ff, QStringLiteral("朋友的朋友的"));
    const uint64_t likedByFriend = publish(out1, QStringLiteral("朋友赞过"));
    const uint64_t popular = publish(out2, QStringLiteral("热门"));
    const uint64_t unseen = publish(out1, QStringLiteral("圈外"));

    auto seen = byId(timeline(me));
    EXPECT_EQ(seen.size(), 2u) << "before any like: my own and my friend's";
    EXPECT_EQ(seen[mine].label, QStringLiteral("朋友圈"));
    EXPECT_EQ(seen[friends].label, QStringLiteral("朋友圈"));

    ASSERT_EQ(act(out1, fof, 1), 0);         // anyone's like spreads it to friends of friends
    ASSERT_EQ(act(f, likedByFriend, 1), 0);  // my friend liked a stranger's secret
    for (const Session* fan : {&out1, &ff, &f})
        ASSERT_EQ(act(*fan, popular, 1), 0);
    seen = byId(timeline(me));
    EXPECT_EQ(seen.size(), 5u);
    EXPECT_EQ(seen[fof].label, QStringLiteral("朋友圈"));
    EXPECT_EQ(seen[likedByFriend].label, QStringLiteral("好友赞过"));
    EXPECT_TRUE(seen[popular].label == QStringLiteral("热门") ||
                seen[popular].label == QStringLiteral("好友赞过"));
    EXPECT_FALSE(seen.contains(unseen));

    // Two users' views of one secret: circle for f (ff is her friend), outside for out2.
    EXPECT_EQ(detail(f, fof).canComment, 1);
    EXPECT_EQ(detail(me, fof).canComment, 1);
    EXPECT_EQ(detail(out2, likedByFriend).canComment, 2);
    EXPECT_EQ(detail(me, likedByFriend).canComment, 2);
    EXPECT_EQ(act(me, likedByFriend, 4, QStringLiteral("想评论")), -1)
        << "no comments outside the circle";
    EXPECT_EQ(act(me, fof, 4, QStringLiteral("抱抱")), 0);
    EXPECT_EQ(byId(timeline(out2))[popular].label, QStringLiteral("朋友圈")) << "her own";
}

TEST_F(ServerFeed, PagesFollowTheCursorWithoutRepeats) {
    std::vector<uint64_t> ids;
    for (int i = 0; i < 23; ++i) {
        now += 10;
        ids.push_back(publish(i % 2 ? f : me, QStringLiteral("第%1个").arg(i)));
        if (i % 5 == 0) publish(out1, QStringLiteral("看不见"));  // interleaved, invisible to me
    }
    std::vector<uint64_t> got;
    uint64_t cursor = 0;
    for (const std::size_t expected : {10u, 10u, 3u, 0u}) {
        const Page page = timeline(me, cursor, 10);
        EXPECT_EQ(page.items.size(), expected);
        for (const Item& item : page.items) {
            EXPECT_GT(item.id, cursor);
            got.push_back(item.id);
        }
        const uint64_t expectedCursor = page.items.empty() ? cursor : page.items.back().id;
        EXPECT_EQ(page.cursor, expectedCursor) << "the largest id sent, else the old cursor";
        cursor = page.cursor;
    }
    EXPECT_EQ(got, ids);

    const uint32_t since = static_cast<uint32_t>(now - 50);
    const Page recent = timeline(me, 0, 50, since);
    EXPECT_EQ(recent.items.size(), 5u) << "only what was created after the fetch time";
}

TEST_F(ServerFeed, LikesCommentsFloorsAndAvatars) {
    const uint64_t secret = publish(me, QStringLiteral("说说心事"));
    EXPECT_EQ(act(f, secret, 1), 0);
    EXPECT_EQ(act(f, secret, 1), 0);
    EXPECT_EQ(timeline(me).items[0].likes, 1u) << "liking twice counts once";
    EXPECT_EQ(timeline(f).items[0].liked, 1);
    EXPECT_EQ(act(f, secret, 2), 0);
    EXPECT_EQ(timeline(me).items[0].likes, 0u);
    for (const int32_t op : {3, 5, 0, 8, -1})
        EXPECT_EQ(act(f, secret, op), -1) << op;
    EXPECT_EQ(act(f, secret + 1000, 1), -1) << "no such secret";
    EXPECT_EQ(act(f, secret, 4, QString()), -2) << "an empty comment";

    ASSERT_EQ(act(f, secret, 4, QStringLiteral("一楼")), 0);
    ASSERT_EQ(act(me, secret, 4, QStringLiteral("楼主来了")), 0);
    ASSERT_EQ(act(ff, secret, 4, QStringLiteral("路过")), -1) << "ff is not in my circle";
    ASSERT_EQ(uploadBook(ff, {QStringLiteral("13800000001")}), 0);
    ASSERT_EQ(act(ff, secret, 4, QStringLiteral("三楼")), 0);
    ASSERT_EQ(act(f, secret, 4, QStringLiteral("四楼")), 0);

    Detail d = detail(me, secret);
    ASSERT_EQ(d.comments.size(), 4u);
    EXPECT_EQ(d.canComment, 1);
    std::vector<uint32_t> floors, avatars;
    for (const auto& c : d.comments)
        floors.push_back(c.floor), avatars.push_back(c.avatar);
    EXPECT_EQ(floors, (std::vector<uint32_t>{1, 2, 3, 4}));
    EXPECT_EQ(avatars, (std::vector<uint32_t>{1, 0, 2, 1})) << "author 0; others numbered, stable";
    for (std::size_t i = 1; i < d.comments.size(); ++i)
        EXPECT_GT(d.comments[i].id, d.comments[i - 1].id);
    EXPECT_EQ(d.comments[1].liked, -1) << "my own comment";
    EXPECT_EQ(d.comments[0].created, static_cast<uint32_t>(now));
    EXPECT_EQ(d.comments[0].feed, secret);

    EXPECT_EQ(act(me, secret, 6, {}, d.comments[0].id), 0);
    EXPECT_EQ(act(me, secret, 6, {}, d.comments[0].id + 100), -1) << "no such comment";
    d = detail(me, secret);
    EXPECT_EQ(d.comments[0].likes, 1u);
    EXPECT_EQ(d.comments[0].liked, 1);
    EXPECT_EQ(act(me, secret, 7, {}, d.comments[0].id), 0);
    EXPECT_EQ(detail(me, secret).comments[0].likes, 0u);
    EXPECT_EQ(timeline(me).items[0].comments, 4u);
    EXPECT_EQ(detail(me, secret + 1000).result, -1);
}

TEST_F(ServerFeed, AMutedUserCanNeitherLikeNorComment) {
    startServer(false, {QStringLiteral("+86 138 0000 0002")});
    const uint64_t secret = publish(me, QStringLiteral("x"));
    EXPECT_EQ(act(f, secret, 1), -1);
    EXPECT_EQ(act(f, secret, 4, QStringLiteral("嗨")), -1);
    EXPECT_EQ(timeline(f).items.at(0).liked, Secrets::kMutedLikeState);
    EXPECT_EQ(timeline(me).items.at(0).liked, 0);
}

TEST_F(ServerFeed, CollectReportRemoveAndTheCollectedList) {
    const uint64_t a = publish(f, QStringLiteral("a"));
    const uint64_t b = publish(f, QStringLiteral("b"));
    const uint64_t c = publish(f, QStringLiteral("c"));
    auto simple = [this](Package request) {
        Package reply = call(request);
        return result(reply);
    };
    Package collect(2, 8);
    collect.collectFeedWithUserId(me.userId, me.key, a);
    EXPECT_EQ(simple(collect), 0);
    Package again(2, 8);
    again.collectFeedWithUserId(me.userId, me.key, a);
    EXPECT_EQ(simple(again), 0) << "collecting twice is fine";
    Package unknown(2, 8);
    unknown.collectFeedWithUserId(me.userId, me.key, 999);
    EXPECT_EQ(simple(unknown), -1);
    const Page list = collected(me);
    ASSERT_EQ(list.items.size(), 1u);
    EXPECT_EQ(list.items[0].id, a);
    EXPECT_EQ(list.items[0].label, QStringLiteral("朋友圈"));

    Package report(2, 9);
    report.reportFeedWithUserId(me.userId, me.key, b, 0, "广告");
    EXPECT_EQ(simple(report), 0);
    Package remove(2, 12);
    remove.deleteFeedInMainViewWithUserId(me.userId, me.key, c);
    EXPECT_EQ(simple(remove), 0);
    const Page page = timeline(me);
    ASSERT_EQ(page.items.size(), 1u);
    EXPECT_EQ(page.items[0].id, a);
    EXPECT_EQ(timeline(f).items.size(), 3u) << "hidden only from the one who reported or removed";
}

TEST_F(ServerFeed, PublishNeedsContentButSpacesAreASecret) {
    auto publishRaw = [this](const std::string& content) {
        Package request(2, 1);
        request.publishSecretWithUserId(me.userId, me.key, R"({"city":"上海"})", content);
        Package reply = call(request);
        return result(reply);
    };
    EXPECT_EQ(publishRaw(R"({"content":"   ","img":"id:2"})"), 0);
    EXPECT_EQ(publishRaw(R"({"content":"","img":"id:2"})"), -2);
    EXPECT_EQ(publishRaw(R"({"img":"id:2"})"), -2);
    EXPECT_EQ(publishRaw("not json"), -2);
    const Page page = timeline(me);
    ASSERT_EQ(page.items.size(), 1u);
    EXPECT_EQ(QJsonDocument::fromJson(page.items[0].content.toUtf8())
                  .object()
                  .value("content")
                  .toString(),
              QStringLiteral("   "));
}

TEST_F(ServerFeed, QuestionsFeedbackPushTokensAndUnknownOperations) {
    server->secrets().addQuestion(QStringLiteral(R"({"content":"问题一","img":"id:1"})"), now);
    server->secrets().addQuestion(QStringLiteral(R"({"content":"问题二","img":"id:2"})"), now);
    Package questions(2, 15);
    questions.fetchGuideQuestionWithWithUserId(me.userId, me.key, 0, 1, 5);
    Package reply = call(questions);
    ASSERT_EQ(result(reply), 0);
    EXPECT_EQ(reply.readInt64(), 2u);
    ASSERT_EQ(reply.readInt32(), 1u) << "after cursor 1";
    EXPECT_EQ(reply.readInt64(), 2u);

    auto simple = [this](Package request) {
        Package answer = call(request);
        return result(answer);
    };
    Package feedback(5, 2);
    feedback.suggestForUsWithUserId(me.userId, me.key, "很好用");
    EXPECT_EQ(simple(feedback), 0);
    Package emptyFeedback(5, 2);
    emptyFeedback.suggestForUsWithUserId(me.userId, me.key, "");
    EXPECT_EQ(simple(emptyFeedback), -2);
    Package token(8, 1);
    token.updateAPNsTokenWithUserId(me.userId, me.key, 1, "abcdef", 2);
    EXPECT_EQ(simple(token), 0);
    Package withdraw(8, 1);
    withdraw.updateAPNsTokenWithUserId(me.userId, me.key, 2, "abcdef", 2);
    EXPECT_EQ(simple(withdraw), 0);
    Package phase(8, 1);
    phase.updateAPNsTokenWithUserId(me.userId, me.key, 3, "abcdef", 2);
    EXPECT_EQ(simple(phase), -2);
    for (const auto& [sub, proto] :
         std::vector<std::pair<int, uint32_t>>{{2, 99}, {9, 1}, {0, 0}}) {
        Package unknown(sub, proto);
        unknown.fetchNumberOfFriendsWithUserId(me.userId, me.key);
        Package answer = call(unknown);
        EXPECT_EQ(result(answer), -1) << sub << "/" << proto;
        EXPECT_EQ(answer.getProtocalId(), proto);
    }
}

TEST_F(ServerFeed, ARestartKeepsEverything) {
    const uint64_t secret = publish(f, QStringLiteral("留下来"));
    ASSERT_EQ(act(me, secret, 1), 0);
    ASSERT_EQ(act(me, secret, 4, QStringLiteral("在")), 0);
    Package collect(2, 8);
    collect.collectFeedWithUserId(me.userId, me.key, secret);
    Package collected1 = call(collect);
    ASSERT_EQ(result(collected1), 0);
    startServer();
    const Page page = timeline(me);
    ASSERT_EQ(page.items.size(), 1u) << "the old key still works";
    EXPECT_EQ(page.items[0].likes, 1u);
    EXPECT_EQ(page.items[0].comments, 1u);
    EXPECT_EQ(collected(me).items.size(), 1u);
    EXPECT_EQ(signIn(QStringLiteral("13800000001")).userId, me.userId);
}
