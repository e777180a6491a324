#include <gtest/gtest.h>
#include <QDir>
#include <QFile>

#include <limits>

#include "model/Comment.h"
#include "model/Feed.h"
#include "model/UserInfo.h"
#include "store/IdCondition.h"
#include "store/Record.h"
#include "store/UserDataBaseManager.h"
#include "support/TestHome.h"

namespace {

// A record with one field of every persistent type.
class Sample : public Record<Sample> {
  public:
    static const RecordClass& metaClass() {
        static const RecordClass meta(
            QStringLiteral("Sample"),
            {XJ_FIELD(Sample, sampleId), XJ_FIELD(Sample, text), XJ_FIELD(Sample, int32),
             XJ_FIELD(Sample, uint32), XJ_FIELD(Sample, character), XJ_FIELD(Sample, flag),
             XJ_FIELD(Sample, longValue), XJ_FIELD(Sample, real), XJ_FIELD(Sample, single),
             XJ_FIELD(Sample, date)},
            QStringLiteral("sampleId"));
        return meta;
    }
    uint64_t sampleId = 0;
    QString text;
    int32_t int32 = 0;
    uint32_t uint32 = 0;
    char character = 0;
    bool flag = false;
    long longValue = 0;
    double real = 0;
    float single = 0;
    QDateTime date;
};

UserDataBaseManager& db() {
    return UserDataBaseManager::sharedInstance();
}

class StoreTest : public testing::Test {
  protected:
    TestHome home;
};

}  // namespace

TEST_F(StoreTest, SqlTextsAreExact) {
    struct Case {
        QString actual;
        const char* expected;
    };
    const Case cases[] = {
        {Feed::createSql(),
         "create table if not exists FEED (DBUid INTEGER,feedId INTEGER PRIMARY KEY,contentJson "
         "TEXT,likeNum INT,commentNum INT,addressStr TEXT,isOwnZanFeed INT,canComment INT,"
         "contentStr TEXT,imageStr TEXT)"},
        {Feed::updateSql(QStringLiteral("FEEDCOLLECT")),
         "insert or replace into FEEDCOLLECT (DBUid,feedId,contentJson,likeNum,commentNum,"
         "addressStr,isOwnZanFeed,canComment,contentStr,imageStr) values (?,?,?,?,?,?,?,?,?,?)"},
        {Comment::createSql(),
         "create table if not exists COMMENT (DBUid INTEGER,feedId INTEGER,commentId INTEGER "
         "PRIMARY KEY,comment TEXT,avatarId INT,createTime INT,likeNum INT,floorNum INT,"
         "isOwnZanComment INT)"},
        {UserInfo::createSql(),
         "create table if not exists USERINFO (DBUid INTEGER,userId INTEGER PRIMARY KEY,userKey "
         "TEXT,userAPNsToken TEXT)"},
        {Sample::createSql(),
         "create table if not exists SAMPLE (sampleId INTEGER PRIMARY KEY,text TEXT,int32 INT,"
         "uint32 INT,character CHAR,flag CHAR,longValue LONG,real DOUBLE,single FLOAT,date DATE)"},
        {Feed::queryWithSelect(QString(), QString(), QString()), " select * from FEED "},
        {Feed::queryWithSelect(QString(), QStringLiteral(" where DBUid = '7'"),
                               QStringLiteral("QUESTIONFEED")),
         " select * from QUESTIONFEED  where DBUid = '7'"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.actual.toStdString(), c.expected);
}

TEST_F(StoreTest, FreshInstallCreatesTheFileOwnerOnlyAndAnEmptyTable) {
    EXPECT_TRUE(db().queryWithClass<Feed>().empty());
    ASSERT_TRUE(QFile::exists(home.databasePath()));
    EXPECT_EQ(QFile::permissions(home.databasePath()) & 0x0077, 0) << "group/other bits";
    EXPECT_TRUE(db().columnExists(QStringLiteral("FEED"), QStringLiteral("feedId")));
    EXPECT_FALSE(db().columnExists(QStringLiteral("FEED"), QStringLiteral("FeedId")));
}

TEST_F(StoreTest, EveryTypeSurvivesARoundTripAndAbsentValuesStayAbsent) {
    Sample full;
    full.sampleId = std::numeric_limits<uint64_t>::max() - 1;  // above 2^63
    full.text = QStringLiteral("秘密 \"quoted\" 'single'");
    full.int32 = -7;
    full.uint32 = 4'000'000'000u;
    full.character = -5;
    full.flag = true;
    full.longValue = -1234567890123;
    full.real = 2.5e300;
    full.single = 1.25f;
    full.date = QDateTime(QDate(2026, 12, 11), QTime(8, 9, 10, 123), Qt::UTC);
    ASSERT_TRUE(full.synchronize());
    Sample empty;
    empty.sampleId = 3;
    empty.text = QStringLiteral("");
    Sample absent;
    absent.sampleId = 1;
    ASSERT_TRUE(empty.synchronize());
    ASSERT_TRUE(absent.synchronize());

    // Key order is the signed row id: ids of 2^63 and above come first.
    const std::vector<Sample> rows = db().queryWithClass<Sample>();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1].sampleId, 1u);
    EXPECT_TRUE(rows[1].text.isNull());
    EXPECT_FALSE(rows[1].date.isValid());
    EXPECT_EQ(rows[2].sampleId, 3u);
    EXPECT_FALSE(rows[2].text.isNull()) << "an empty text is not an absent one";
    EXPECT_TRUE(rows[2].text.isEmpty());
    const Sample& back = rows[0];
    EXPECT_EQ(back.sampleId, full.sampleId);
    EXPECT_EQ(back.text, full.text);
    EXPECT_EQ(back.int32, -7);
    EXPECT_EQ(back.uint32, 4'000'000'000u);
    EXPECT_EQ(back.character, -5);
    EXPECT_TRUE(back.flag);
    EXPECT_EQ(back.longValue, -1234567890123);
    EXPECT_DOUBLE_EQ(back.real, 2.5e300);
    EXPECT_FLOAT_EQ(back.single, 1.25f);
    EXPECT_EQ(back.date, full.date);
}

TEST_F(StoreTest, SavingTheSameKeyReplacesTheRowInEachTable) {
    for (const char* table : {"FEED", "FEEDCOLLECT"}) {
        Feed feed;
        feed.feedId = 42;
        feed.likeNum = 1;
        ASSERT_TRUE(feed.synchronize(QString::fromLatin1(table)));
        feed.likeNum = 2;
        ASSERT_TRUE(feed.synchronize(QString::fromLatin1(table)));
    }
    for (const char* table : {"FEED", "FEEDCOLLECT"}) {
        const auto rows = db().queryWithClass<Feed>(QString::fromLatin1(table));
        ASSERT_EQ(rows.size(), 1u) << table;
        EXPECT_EQ(rows[0].likeNum, 2u) << table;
    }
}

TEST_F(StoreTest, AnOlderTableGainsTheNewColumnsAndOldRowsReadZeroOrNothing) {
    ASSERT_TRUE(db().executeUpdate(
        QStringLiteral("create table if not exists FEED (DBUid INTEGER,feedId INTEGER PRIMARY "
                       "KEY,contentJson TEXT)")));
    ASSERT_TRUE(db().executeUpdate(
        QStringLiteral("insert into FEED (DBUid,feedId,contentJson) values (?,?,?)"),
        {int64_t{5}, int64_t{9}, QStringLiteral("{}")}));
    const auto rows = db().queryWithClass<Feed>();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].feedId, 9u);
    EXPECT_EQ(rows[0].likeNum, 0u);
    EXPECT_TRUE(rows[0].addressStr.isNull());
    EXPECT_TRUE(db().columnExists(QStringLiteral("FEED"), QStringLiteral("imageStr")));
    Feed newer;
    newer.feedId = 10;
    newer.imageStr = QStringLiteral("img_secretCell_background_1");
    EXPECT_TRUE(newer.synchronize());
}

TEST_F(StoreTest, TableNamesThatAreNotPlainIdentifiersAreRefused) {
    Feed feed;
    feed.feedId = 1;
    for (const char* bad : {"FEED; drop table FEED", "FEED (x)", "1FEED", "FE ED"}) {
        EXPECT_FALSE(feed.synchronize(QString::fromLatin1(bad))) << bad;
        EXPECT_TRUE(db().queryWithClass<Feed>(QString::fromLatin1(bad)).empty()) << bad;
        EXPECT_TRUE(Feed::createSql(QString::fromLatin1(bad)).isNull()) << bad;
    }
    EXPECT_TRUE(feed.synchronize());
}

TEST_F(StoreTest, TableNamesDifferingInCaseAreRegisteredApart) {
    Feed feed;
    feed.feedId = 1;
    ASSERT_TRUE(feed.synchronize(QStringLiteral("FEEDCOLLECT")));
    EXPECT_TRUE(Feed::registTable(QStringLiteral("feedcollect")));
    EXPECT_EQ(db().queryWithClass<Feed>(QStringLiteral("feedcollect")).size(), 1u)
        << "SQLite itself ignores the case";
}

TEST_F(StoreTest, TwoUsersShareTheFileAndAreToldApartByOwner) {
    for (const uint64_t user : {111u, 222u}) {
        for (uint64_t i = 0; i < 3; ++i) {
            Feed feed;
            feed.DBUid = user;
            feed.feedId = user * 10 + i;
            ASSERT_TRUE(feed.synchronize());
        }
    }
    const auto mine = db().queryWithClass<Feed>(QString(), QStringLiteral(" where DBUid = '222'"));
    ASSERT_EQ(mine.size(), 3u);
    for (const Feed& feed : mine)
        EXPECT_EQ(feed.DBUid, 222u);
    EXPECT_EQ(db().queryWithClass<Feed>().size(), 6u);
}

TEST_F(StoreTest, ADatabaseThatCannotBeOpenedFailsQuietly) {
    UserDataBaseManager::sharedInstance();  // opened at the home
    QFile::remove(home.databasePath());
    QDir().mkpath(home.databasePath());  // a folder where the file should be
    TestHome::switchTo(home.path());
    EXPECT_FALSE(db().isOpen());
    Feed feed;
    feed.feedId = 1;
    EXPECT_FALSE(feed.synchronize());
    EXPECT_TRUE(db().queryWithClass<Feed>().empty());
}

TEST_F(StoreTest, AFileThatIsNotADatabaseIsKeptAsideAndANewOneStarted) {
    Feed feed;
    feed.feedId = 1;
    ASSERT_TRUE(feed.synchronize());
    {
        TestHome elsewhere;  // the app is not running while the file goes bad
    }
    QFile file(home.databasePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(8192, 'x'));
    file.close();
    TestHome::switchTo(home.path());
    EXPECT_TRUE(db().isOpen());
    EXPECT_TRUE(feed.synchronize());
    EXPECT_EQ(db().queryWithClass<Feed>().size(), 1u);
    const QStringList aside = QDir(home.path() + QStringLiteral("/Documents"))
                                  .entryList({QStringLiteral("database.db.unreadable-*")});
    EXPECT_EQ(aside.size(), 1) << "the unreadable file is kept, not deleted";
}

TEST_F(StoreTest, ARestartReadsBackEveryRecord) {
    for (uint64_t i = 1; i <= 20; ++i) {
        Comment comment;
        comment.commentId = i;
        comment.feedId = 7;
        comment.comment = QStringLiteral("第%1楼").arg(i);
        ASSERT_TRUE(comment.synchronize());
    }
    TestHome::switchTo(home.path());  // a new start: caches empty, file reopened
    const auto rows =
        db().queryWithClass<Comment>(QString(), QStringLiteral(" where feedId = '7'"));
    ASSERT_EQ(rows.size(), 20u);
    EXPECT_EQ(rows[19].comment, QStringLiteral("第20楼"));
}

TEST_F(StoreTest, IdConditionsMatchIdsAboveTwoToThe63) {
    for (const uint64_t id : {uint64_t{7}, uint64_t{0x8000000000000000ull}, ~uint64_t{0}}) {
        Feed feed;
        feed.feedId = id;
        ASSERT_TRUE(feed.synchronize());
        const auto rows =
            db().queryWithClass<Feed>(QString(), whereIdEquals(QStringLiteral("feedId"), id));
        ASSERT_EQ(rows.size(), 1u) << id;
        EXPECT_EQ(rows[0].feedId, id);
    }
    EXPECT_EQ(whereIdEquals(QStringLiteral("feedId"), 42).toStdString(), " where feedId = '42'");
}

TEST_F(StoreTest, SerializationHasEveryColumnWithNullForAbsentValues) {
    Feed feed;
    feed.feedId = 0x8000000000000001ull;
    feed.contentStr = QStringLiteral("嗨");
    const QVariantMap map = feed.serialization();
    EXPECT_EQ(map.size(), 10);
    EXPECT_EQ(map.value(QStringLiteral("feedId")).toULongLong(), 0x8000000000000001ull);
    EXPECT_EQ(map.value(QStringLiteral("contentStr")).toString(), QStringLiteral("嗨"));
    EXPECT_TRUE(map.contains(QStringLiteral("imageStr")));
    EXPECT_FALSE(map.value(QStringLiteral("imageStr")).isValid());
}
