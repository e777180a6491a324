#include <gtest/gtest.h>
#include <QFile>

#include "core/MainQueue.h"
#include "model/Feed.h"
#include "services/ColorWithHex.h"
#include "services/Common.h"
#include "services/LogicManager.h"
#include "services/RecordingAlertPresenter.h"
#include "support/TestHome.h"

namespace {

class LogicManagerTest : public testing::Test {
  protected:
    void SetUp() override { MainQueue::shared().useManualClock(); }
    QStringList alerts() const { return hub.recordingAlertPresenter().messages(); }

    LogicManager& hub = LogicManager::sharedInstance();
    TestHome home;
};

}  // namespace

TEST_F(LogicManagerTest, SettingsReadersAndRemoval) {
    struct Case {
        QVariant stored;
        QString text;
        qint64 integer;
    };
    const Case cases[] = {
        {QVariant(), QString(), 0},
        {2, QStringLiteral("2"), 2},
        {QVariant::fromValue<qulonglong>(18446744073709551615ull),
         QStringLiteral("18446744073709551615"), -1},
        {QVariant::fromValue<qulonglong>(9223372036854775808ull),
         QStringLiteral("9223372036854775808"), INT64_MIN},
        {QStringLiteral("12abc"), QStringLiteral("12abc"), 12},
        {QStringLiteral(" -40"), QStringLiteral(" -40"), -40},
        {QStringLiteral("abc"), QStringLiteral("abc"), 0},
        {QStringLiteral("0a1b2c"), QStringLiteral("0a1b2c"), 0},
    };
    for (const Case& c : cases) {
        hub.setPersistenceData(c.stored, QStringLiteral("USERID"));
        EXPECT_EQ(hub.getPersistenceStringWithKey(QStringLiteral("USERID")), c.text)
            << c.text.toStdString();
        EXPECT_EQ(hub.getPersistenceIntegerWithKey(QStringLiteral("USERID")), c.integer)
            << c.text.toStdString();
    }
    EXPECT_EQ(hub.getPersistenceIntegerWithKey(QStringLiteral("zanFlag")), 0) << "never written";
}

TEST_F(LogicManagerTest, SettingsAreFlushedAtOnceToAnOwnerOnlyFile) {
    hub.setPersistenceData(QVariant::fromValue<qulonglong>(0xFEDCBA9876543210ull),
                           QStringLiteral("FeedLastMessageId"));
    hub.setPersistenceData(QStringLiteral("ab12"), QStringLiteral("apnsToken"));
    const QString file = home.path() + QStringLiteral("/settings.ini");
    EXPECT_EQ(QFile::permissions(file) & 0x0077, 0);
    TestHome::switchTo(home.path());  // a new process reads the file
    EXPECT_EQ(
        static_cast<quint64>(hub.getPersistenceIntegerWithKey(QStringLiteral("FeedLastMessageId"))),
        0xFEDCBA9876543210ull);
    EXPECT_EQ(hub.getPersistenceStringWithKey(QStringLiteral("apnsToken")), QStringLiteral("ab12"));
}

TEST_F(LogicManagerTest, ReplyCodeTable) {
    struct Case {
        int32_t result;
        int32_t context;
        const char* message;  // nullptr: nothing shown
        bool ok;
    };
    const Case cases[] = {
        {0, 0, nullptr, true},          {0, 2, nullptr, true},
        {-1, 0, "服务不支持", false},   {-1, 1, "验证码错误", false},
        {-1, 2, "密码错误", false},     {-2, 0, "请求参数错误", false},
        {-2, 2, nullptr, false},        {-3, 0, "未授权,请退出重新登陆", false},
        {-3, 2, nullptr, false},        {-1, 5, nullptr, false},
        {-4, 0, nullptr, false},        {5, 0, nullptr, false},
        {INT32_MIN, 0, nullptr, false},
    };
    for (const Case& c : cases) {
        hub.recordingAlertPresenter().clear();
        EXPECT_EQ(hub.handleSocketResult(static_cast<uint32_t>(c.result), c.context), c.ok)
            << c.result << "/" << c.context;
        const auto& shown = hub.recordingAlertPresenter().alerts();
        if (c.message) {
            ASSERT_EQ(shown.size(), 1u) << c.result << "/" << c.context;
            EXPECT_EQ(shown[0].message, QString::fromUtf8(c.message));
            EXPECT_EQ(shown[0].actionText, QStringLiteral("确定"));
            EXPECT_TRUE(shown[0].title.isEmpty());
        } else {
            EXPECT_TRUE(shown.empty()) << c.result << "/" << c.context;
        }
    }
}

TEST_F(LogicManagerTest, JsonBothWays) {
    const QVariant object = hub.jsonStringTOObject(QStringLiteral(R"({"content":"嗨"})"));
    EXPECT_EQ(object.toMap().value(QStringLiteral("content")).toString(), QStringLiteral("嗨"));
    for (const QString& bad : {QStringLiteral("{"), QString(), QStringLiteral(""),
                               QStringLiteral("\"just text\""), QStringLiteral("[1,]")})
        EXPECT_FALSE(hub.jsonStringTOObject(bad).isValid()) << bad.toStdString();

    const QVariantList contacts{QVariantMap{{QStringLiteral("name"), QStringLiteral("张三")},
                                            {QStringLiteral("phone"), QStringLiteral("+86138")}}};
    const QString text = hub.objectToJsonString(contacts);
    EXPECT_EQ(hub.jsonStringTOObject(text).toList(), contacts);
    EXPECT_TRUE(hub.objectToJsonString(QVariantList()).contains('['));
    EXPECT_TRUE(hub.objectToJsonString(QStringLiteral("text")).isNull()) << "not a document";

    Feed feed;
    feed.feedId = 12;
    const QVariantMap fromRecord = hub.jsonStringTOObject(hub.objectToJsonString(feed)).toMap();
    EXPECT_EQ(fromRecord.value(QStringLiteral("feedId")).toInt(), 12);
    EXPECT_TRUE(fromRecord.contains(QStringLiteral("contentStr")));
    EXPECT_TRUE(fromRecord.value(QStringLiteral("contentStr")).isNull());
}

TEST_F(LogicManagerTest, PagingCursorsStartWithTheLastSevenDaysThenFollowTheStoredCursor) {
    MainQueue::shared().useManualClock(1'800'000'000);
    const PageCursor first = hub.timelinePageCursor();
    EXPECT_EQ(first.fetchTime, 1'800'000'000u - 604800u);
    EXPECT_EQ(first.messageId, 0u);
    EXPECT_EQ(hub.getPersistenceIntegerWithKey(QStringLiteral("feedsFirstTime")), 2);

    const PageCursor none = hub.timelinePageCursor();
    EXPECT_EQ(none.fetchTime, 0u);
    EXPECT_EQ(none.messageId, 0u);
    hub.setPersistenceData(QVariant::fromValue<qulonglong>(0xFFFFFFFFFFFFFFF0ull),
                           QStringLiteral("FeedLastMessageId"));
    EXPECT_EQ(hub.timelinePageCursor().messageId, 0xFFFFFFFFFFFFFFF0ull);

    EXPECT_EQ(hub.guideQuestionPageCursor().fetchTime, 1'800'000'000u - 604800u)
        << "each list has its own first time";
    EXPECT_EQ(hub.guideQuestionPageCursor().fetchTime, 0u);
}

TEST(ColorWithHex, ChannelsFromTheLow24Bits) {
    const QColor pink = colorWithHex(0xD0246C);
    EXPECT_EQ(pink.red(), 208);
    EXPECT_EQ(pink.green(), 36);
    EXPECT_EQ(pink.blue(), 108);
    EXPECT_EQ(pink.alpha(), 255);
    EXPECT_EQ(colorWithHex(0xFF666666), colorWithHex(0x666666));
}

TEST(Common, RelativeAgeBoundaries) {
    MainQueue::shared().useManualClock(1'800'000'000);
    const double now = MainQueue::shared().currentTime();
    struct Case {
        double age;
        const char* text;
    };
    const Case cases[] = {
        {-10, "刚刚"},      {0, "刚刚"},       {4.9, "刚刚"},       {5, "5秒前"},
        {6.5, "6秒前"},     {59.5, "60秒前"},  {60, "60秒前"},      {61, "1分钟前"},
        {3599, "59分钟前"}, {3600, "2小时前"}, {86399, "24小时前"}, {86400, "1天前"},
        {172799, "1天前"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Common::timeIntervalStringFromTime(now - c.age), QString::fromUtf8(c.text))
            << c.age;
    const double old = now - 172800;
    EXPECT_EQ(
        Common::timeIntervalStringFromTime(old),
        QDateTime::fromSecsSinceEpoch(static_cast<qint64>(old)).toString(QStringLiteral("MM-dd")));
}
