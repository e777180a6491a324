#include <gtest/gtest.h>

#include "model/Feed.h"
#include "model/UserInfo.h"
#include "services/LogicManager.h"
#include "store/UserDataBaseManager.h"
#include "support/TestHome.h"

namespace {

class RecordsTest : public testing::Test {
  protected:
    LogicManager& hub = LogicManager::sharedInstance();
    TestHome home;
};

}  // namespace

TEST_F(RecordsTest, NobodySignedInGivesAnEmptyUserAndUnownedRecords) {
    UserInfo& me = UserInfo::myselfInstance();
    EXPECT_EQ(me.userId, 0u);
    EXPECT_TRUE(me.userKey.isNull());
    EXPECT_EQ(Feed().DBUid, 0u);
}

TEST_F(RecordsTest, StoredIdWithoutARowGivesAFreshRecordOwnedByThatId) {
    hub.setPersistenceData(QVariant::fromValue<qulonglong>(77), QStringLiteral("USERID"));
    TestHome::switchTo(home.path());
    const UserInfo& me = UserInfo::myselfInstance();
    EXPECT_EQ(me.userId, 0u);
    EXPECT_EQ(me.DBUid, 77u);
}

TEST_F(RecordsTest, SavingTheSignedInUserMarksItForTheNextStart) {
    UserInfo& me = UserInfo::myselfInstance();
    me.userId = 0x8000000000000123ull;
    me.userKey = QStringLiteral("k1");
    me.DBUid = 5;
    ASSERT_TRUE(me.synchronize());
    EXPECT_EQ(static_cast<uint64_t>(hub.getPersistenceIntegerWithKey(QStringLiteral("USERID"))),
              0x8000000000000123ull);

    UserInfo other;
    other.userId = 9;
    ASSERT_TRUE(other.synchronize());
    EXPECT_EQ(hub.getPersistenceStringWithKey(QStringLiteral("USERID")),
              QStringLiteral("9223372036854776099"));

    TestHome::switchTo(home.path());  // next start
    const UserInfo& again = UserInfo::myselfInstance();
    EXPECT_EQ(&again, &me) << "the shared record keeps its address";
    EXPECT_EQ(again.userId, 0x8000000000000123ull);
    EXPECT_EQ(again.userKey, QStringLiteral("k1"));
    EXPECT_EQ(again.DBUid, 0u);
    EXPECT_EQ(Feed().DBUid, 0x8000000000000123ull);
}

TEST_F(RecordsTest, AUserIdThatIsNotANumberIsNeverPastedIntoSql) {
    UserInfo stored;
    stored.userId = 1;
    stored.userKey = QStringLiteral("secret");
    ASSERT_TRUE(stored.synchronize());
    hub.setPersistenceData(QStringLiteral("1' or '1'='1"), QStringLiteral("USERID"));
    TestHome::switchTo(home.path());
    EXPECT_TRUE(UserInfo::myselfInstance().userKey.isNull());
}
