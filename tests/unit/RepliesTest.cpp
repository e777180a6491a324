#include <gtest/gtest.h>

#include "model/Comment.h"
#include "model/Feed.h"
#include "model/UserInfo.h"
#include "services/LogicManager.h"
#include "services/RecordingAlertPresenter.h"
#include "store/UserDataBaseManager.h"
#include "support/ReplyBytes.h"
#include "support/TestHome.h"
#include "wire/FeedListReply.h"

namespace {

Package reply(uint32_t protocol, const std::function<void(Package&)>& body) {
    return Package(replyBytes(protocol, 1, body));
}

void appendText(Package& p, const char* text) {
    p.appendString(text);
}

void appendSecret(Package& p, uint64_t feedId, const char* content, const char* origin = "朋友圈") {
    p.appendInt64(feedId);
    p.appendString(content);
    p.appendInt32(3);
    p.appendInt32(1);
    p.appendInt32(2);
    p.appendString(origin);
}

void appendComment(Package& p, uint64_t feedId, uint64_t commentId, const char* text) {
    p.appendInt64(feedId);
    p.appendInt64(commentId);
    p.appendString(text);
    for (const uint32_t v : {1u, 4u, 2u, 0u, 1'700'000'000u})
        p.appendInt32(v);
}

class RepliesTest : public testing::Test {
  protected:
    QStringList alerts() const { return hub.recordingAlertPresenter().messages(); }
    std::vector<Feed> feeds(const char* table = "FEED") {
        return UserDataBaseManager::sharedInstance().queryWithClass<Feed>(
            QString::fromLatin1(table));
    }

    LogicManager& hub = LogicManager::sharedInstance();
    TestHome home;
};

}  // namespace

TEST_F(RepliesTest, SignInStoresTheUserOnlyOnWholeSuccess) {
    UserInfo& me = UserInfo::myselfInstance();
    me.userId = 5;
    me.userKey = QStringLiteral("old");
    struct Case {
        const char* name;
        std::function<void(Package&)> body;
        bool ok;
        const char* alert;
    };
    const Case cases[] = {
        {"wrongPassword", [](Package& p) { p.appendInt32(static_cast<uint32_t>(-1)); }, false,
         "密码错误"},
        {"expiredKeyShowsNothing", [](Package& p) { p.appendInt32(static_cast<uint32_t>(-3)); },
         false, nullptr},
        {"headerOnly", [](Package&) {}, false, nullptr},
        {"codeOnly", [](Package& p) { p.appendInt32(0); }, false, nullptr},
        {"keyCut",
         [](Package& p) {
             p.appendInt32(0);
             p.appendInt64(9);
             p.appendInt32(10);
         },
         false, nullptr},
        {"keyNotUtf8",
         [](Package& p) {
             p.appendInt32(0);
             p.appendInt64(9);
             p.appendString("\xC0\x80");
         },
         false, nullptr},
    };
    for (const Case& c : cases) {
        hub.recordingAlertPresenter().clear();
        Package r = reply(2, c.body);
        EXPECT_EQ(Package::handleLogin(r, 2), c.ok) << c.name;
        EXPECT_EQ(me.userId, 5u) << c.name;
        EXPECT_EQ(me.userKey, QStringLiteral("old")) << c.name;
        EXPECT_EQ(alerts(), c.alert ? QStringList{QString::fromUtf8(c.alert)} : QStringList())
            << c.name;
    }
    EXPECT_TRUE(hub.getPersistenceStringWithKey(QStringLiteral("USERID")).isNull());

    Package good = reply(2, [](Package& p) {
        p.appendInt32(0);
        p.appendInt64(0x8000000000000009ull);
        appendText(p, "key-123");
    });
    EXPECT_TRUE(Package::handleLogin(good, 2));
    EXPECT_EQ(me.userId, 0x8000000000000009ull);
    EXPECT_EQ(me.userKey, QStringLiteral("key-123"));
    EXPECT_EQ(static_cast<uint64_t>(hub.getPersistenceIntegerWithKey(QStringLiteral("USERID"))),
              0x8000000000000009ull);
    TestHome::switchTo(home.path());
    EXPECT_EQ(UserInfo::myselfInstance().userKey, QStringLiteral("key-123"));
}

TEST_F(RepliesTest, ActionRepliesAndTheirContexts) {
    Package step1 = reply(1, [](Package& p) { p.appendInt32(0); });
    EXPECT_TRUE(Package::handleRegist(step1, false, 0));
    EXPECT_EQ(step1.index(), 28) << "reads nothing after the code";

    Package step2 = reply(1, [](Package& p) {
        p.appendInt32(0);
        p.appendInt64(44);
        appendText(p, "k");
    });
    EXPECT_TRUE(Package::handleRegist(step2, true, 0));
    EXPECT_EQ(UserInfo::myselfInstance().userId, 44u);

    Package like = reply(2, [](Package& p) {
        p.appendInt32(0);
        p.appendInt64(1);
        p.appendInt64(2);
    });
    EXPECT_TRUE(Package::handleSupportOrComment(like, 0));
    EXPECT_EQ(like.index(), like.length()) << "consumed completely";
    Package likeCut = reply(2, [](Package& p) {
        p.appendInt32(0);
        p.appendInt64(1);
    });
    EXPECT_FALSE(Package::handleSupportOrComment(likeCut, 0));

    for (auto handler : {&Package::handleCollectFeed, &Package::handleReportFeed,
                         &Package::handleDeleteFeedInMainView}) {
        Package ok = reply(8, [](Package& p) { p.appendInt32(0); });
        Package refused = reply(8, [](Package& p) { p.appendInt32(static_cast<uint32_t>(-1)); });
        Package empty = reply(8, [](Package&) {});
        EXPECT_TRUE(handler(ok, 0));
        EXPECT_FALSE(handler(refused, 0));
        EXPECT_FALSE(handler(empty, 0));
    }

    hub.recordingAlertPresenter().clear();
    Package five = reply(13, [](Package& p) {
        p.appendInt32(0);
        p.appendInt32(5);
    });
    Package bad = reply(13, [](Package& p) { p.appendInt32(static_cast<uint32_t>(-2)); });
    Package cut = reply(13, [](Package& p) { p.appendInt32(0); });
    EXPECT_EQ(Package::handleFetchNumberOfFriends(five, 0), 5u);
    EXPECT_EQ(Package::handleFetchNumberOfFriends(bad, 0), UINT32_MAX);
    EXPECT_EQ(Package::handleFetchNumberOfFriends(cut, 0), UINT32_MAX);
    EXPECT_EQ(alerts(), QStringList{QStringLiteral("请求参数错误")});
}

TEST(ContentDecoding, ImageAndTextFromTheContentJson) {
    struct Case {
        const char* json;
        const char* text;   // nullptr: no text
        const char* image;  // nullptr: no image; "random": one of the twelve backgrounds
    };
    const Case cases[] = {
        {R"({"content":"嗨","img":"id:3"})", "嗨", "img_secretCell_background_3"},
        {R"({"content":"a","img":"id:11"})", "a", "img_secretCell_background_11"},
        {R"({"content":"a","img":"id:15"})", "a", "random"},
        {R"({"content":"a","img":"id:-2"})", "a", "random"},
        {R"({"content":"a","img":"id:x"})", "a", "img_secretCell_background_0"},
        {R"({"content":"a","img":"id:"})", "a", "img_secretCell_background_0"},
        {R"({"content":"a","img":"a:b:7z"})", "a", "img_secretCell_background_7"},
        {R"({"content":"a","img":"http://h:80/download-image.cgi?x"})", "a",
         "http://h:80/download-image.cgi?x"},
        {R"({"content":"a"})", "a", nullptr},
        {R"({"content":7,"img":3})", nullptr, nullptr},
        {R"({"img":"id:1"})", nullptr, "img_secretCell_background_1"},
        {"{", nullptr, nullptr},
        {"", nullptr, nullptr},
    };
    for (const Case& c : cases) {
        Feed feed;
        feed.contentJson = QString::fromUtf8(c.json);
        FeedListReply::decodeContent(feed);
        if (c.text) {
            EXPECT_EQ(feed.contentStr, QString::fromUtf8(c.text)) << c.json;
        } else {
            EXPECT_TRUE(feed.contentStr.isNull()) << c.json;
        }
        if (!c.image) {
            EXPECT_TRUE(feed.imageStr.isNull()) << c.json;
        } else if (QString::fromLatin1(c.image) == QStringLiteral("random")) {
            const QString prefix = QStringLiteral("img_secretCell_background_");
            ASSERT_TRUE(feed.imageStr.startsWith(prefix)) << c.json;
            const int index = feed.imageStr.mid(prefix.size()).toInt();
            EXPECT_GE(index, 0);
            EXPECT_LE(index, 11);
        } else {
            EXPECT_EQ(feed.imageStr, QString::fromUtf8(c.image)) << c.json;
        }
    }
}

TEST_F(RepliesTest, TimelinePageStoresTheCursorThenTheSecrets) {
    Package empty = reply(3, [](Package& p) {
        p.appendInt32(0);
        p.appendInt64(0xFFFFFFFFFFFFFFFEull);
        p.appendInt32(0);
    });
    EXPECT_TRUE(FeedListReply::handleTimelinePage(empty));
    EXPECT_EQ(static_cast<uint64_t>(
                  hub.getPersistenceIntegerWithKey(QStringLiteral("FeedLastMessageId"))),
              0xFFFFFFFFFFFFFFFEull);

    UserInfo::myselfInstance().userId = 321;
    Package page = reply(3, [](Package& p) {
        p.appendInt32(0);
        p.appendInt64(20);
        p.appendInt32(3);
        appendSecret(p, 20, R"({"content":"今天好开心","img":"id:4"})");
        appendSecret(p, 18, "");
        appendSecret(p, 19, "not json", "热门");
    });
    EXPECT_TRUE(FeedListReply::handleTimelinePage(page));
    const auto rows = feeds();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].feedId, 18u);
    EXPECT_TRUE(rows[0].contentStr.isNull()) << "empty content JSON: saved without text";
    EXPECT_EQ(rows[1].addressStr, QStringLiteral("热门"));
    EXPECT_TRUE(rows[1].contentStr.isNull());
    EXPECT_EQ(rows[2].contentStr, QStringLiteral("今天好开心"));
    EXPECT_EQ(rows[2].imageStr, QStringLiteral("img_secretCell_background_4"));
    EXPECT_EQ(rows[2].likeNum, 3u);
    EXPECT_EQ(rows[2].isOwnZanFeed, 1u);
    EXPECT_EQ(rows[2].commentNum, 2u);
    EXPECT_EQ(rows[2].DBUid, 321u);
    EXPECT_EQ(hub.getPersistenceIntegerWithKey(QStringLiteral("FeedLastMessageId")), 20);
}

TEST_F(RepliesTest, TimelineFailuresStoreNothing) {
    Package expired = reply(3, [](Package& p) { p.appendInt32(static_cast<uint32_t>(-3)); });
    EXPECT_FALSE(FeedListReply::handleTimelinePage(expired));
    EXPECT_EQ(alerts(), QStringList{QStringLiteral("授权过期，请重新登录")});
    hub.recordingAlertPresenter().clear();
    for (const auto& body : std::vector<std::function<void(Package&)>>{
             [](Package& p) { p.appendInt32(static_cast<uint32_t>(-1)); }, [](Package&) {},
             [](Package& p) {
                 p.appendInt32(0);
                 p.appendInt32(7);
             }}) {
        Package r = reply(3, body);
        EXPECT_FALSE(FeedListReply::handleTimelinePage(r));
    }
    EXPECT_TRUE(alerts().isEmpty());
    EXPECT_TRUE(hub.getPersistenceStringWithKey(QStringLiteral("FeedLastMessageId")).isNull());
    EXPECT_TRUE(feeds().empty());
}

// Hostile pages: the whole items before a fault are kept, nothing half-read is saved.
TEST_F(RepliesTest, BrokenPagesKeepTheWholeItems) {
    struct Case {
        const char* name;
        std::function<void(Package&)> items;
        uint32_t announced;
        std::vector<uint64_t> kept;
    };
    const Case cases[] = {
        {"countFarAboveTheBytes",
         [](Package& p) {
             appendSecret(p, 1, "{}");
             appendSecret(p, 2, "{}");
         },
         0xFFFFFFFFu,
         {1, 2}},
        {"truncatedItem",
         [](Package& p) {
             appendSecret(p, 1, "{}");
             p.appendInt64(2);
             p.appendString("{}");
             p.appendInt32(1);
         },
         2,
         {1}},
        {"invalidUtf8Item",
         [](Package& p) {
             appendSecret(p, 1, "{}");
             appendSecret(p, 2, "\xFF\xFE", "x");
             appendSecret(p, 3, "{}");
         },
         3,
         {1, 3}},
        {"stringLengthLies",
         [](Package& p) {
             appendSecret(p, 1, "{}");
             p.appendInt64(2);
             p.appendInt32(0x7FFFFFFF);
         },
         2,
         {1}},
    };
    for (const Case& c : cases) {
        TestHome fresh;
        Package page = reply(3, [&](Package& p) {
            p.appendInt32(0);
            p.appendInt64(9);
            p.appendInt32(c.announced);
            c.items(p);
        });
        EXPECT_TRUE(FeedListReply::handleTimelinePage(page)) << c.name;
        std::vector<uint64_t> ids;
        for (const Feed& feed : feeds())
            ids.push_back(feed.feedId);
        EXPECT_EQ(ids, c.kept) << c.name;
    }
}

TEST_F(RepliesTest, GuideQuestionsSkipEmptyContent) {
    Package page = reply(15, [](Package& p) {
        p.appendInt32(0);
        p.appendInt64(77);
        p.appendInt32(3);
        p.appendInt64(1);
        p.appendString(R"({"content":"最近一次哭是因为什么？","img":"id:2"})");
        p.appendInt64(2);
        p.appendString("");
        p.appendInt64(3);
        p.appendString(R"({"content":"你暗恋过谁？","img":"id:5"})");
    });
    EXPECT_TRUE(FeedListReply::handleGuideQuestions(page));
    const auto rows = feeds("QUESTIONFEED");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].contentStr, QStringLiteral("最近一次哭是因为什么？"));
    EXPECT_EQ(rows[1].feedId, 3u);
    EXPECT_EQ(hub.getPersistenceIntegerWithKey(QStringLiteral("QuestionFeedLastMessageId")), 77);
    EXPECT_TRUE(feeds().empty()) << "nothing in the timeline table";
}

TEST_F(RepliesTest, CollectedSecretsGoToTheirOwnTable) {
    Feed inTimeline;
    inTimeline.feedId = 5;
    ASSERT_TRUE(inTimeline.synchronize());
    Package list = reply(14, [](Package& p) {
        p.appendInt32(0);
        p.appendInt32(2);
        appendSecret(p, 5, R"({"content":"x","img":"id:1"})");
        appendSecret(p, 6, R"({"content":"y","img":"id:2"})");
    });
    EXPECT_EQ(FeedListReply::handleCollectedFeeds(list), 2);
    EXPECT_EQ(feeds("FEEDCOLLECT").size(), 2u);
    EXPECT_EQ(feeds().size(), 1u) << "one row per table";
    Package refused = reply(14, [](Package& p) { p.appendInt32(static_cast<uint32_t>(-1)); });
    EXPECT_EQ(FeedListReply::handleCollectedFeeds(refused), -1);
}

TEST_F(RepliesTest, DetailUpdatesACachedSecretAndAlwaysSavesComments) {
    auto detail = [](uint64_t feedId) {
        return reply(6, [feedId](Package& p) {
            p.appendInt32(0);
            for (const uint32_t v : {9u, 1u, 1u, 2u})
                p.appendInt32(v);
            appendComment(p, feedId, 100 + feedId, "抱抱你");
            appendComment(p, feedId, 200 + feedId, "加油");
        });
    };
    Feed unknown;
    unknown.feedId = 1;
    Package first = detail(1);
    const std::optional<Feed> header = FeedListReply::handleFeedDetail(first, unknown);
    ASSERT_TRUE(header.has_value());
    EXPECT_EQ(header->canComment, 1u);
    EXPECT_EQ(header->likeNum, 9u);
    EXPECT_TRUE(feeds().empty()) << "a secret not in the database is not added";
    const auto comments = UserDataBaseManager::sharedInstance().queryWithClass<Comment>(
        QString(), QStringLiteral(" where feedId = '1'"));
    ASSERT_EQ(comments.size(), 2u);
    EXPECT_EQ(comments[0].comment, QStringLiteral("抱抱你"));
    EXPECT_EQ(comments[0].floorNum, 1u);
    EXPECT_EQ(comments[0].avatarId, 4u);
    EXPECT_EQ(comments[0].createTime, 1'700'000'000u);

    Feed cached;
    cached.feedId = 2;
    cached.contentStr = QStringLiteral("原文");
    ASSERT_TRUE(cached.synchronize());
    Package second = detail(2);
    ASSERT_TRUE(FeedListReply::handleFeedDetail(second, cached).has_value());
    const auto rows = feeds();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].likeNum, 9u);
    EXPECT_EQ(rows[0].canComment, 1u);
    EXPECT_EQ(rows[0].contentStr, QStringLiteral("原文"));

    Package cut = reply(6, [](Package& p) {
        p.appendInt32(0);
        p.appendInt32(1);
    });
    EXPECT_FALSE(FeedListReply::handleFeedDetail(cut, cached).has_value());
}
