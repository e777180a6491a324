#include <SQLiteCpp/Statement.h>

#include <QRegularExpression>

#include "Accounts.h"
#include "ServerDatabase.h"
#include "ServerFixture.h"
#include "services/LogicManager.h"

namespace {

class ServerAccounts : public ServerFixture {};

Package signUpStep(int32_t step, const QString& phone, const QString& code, const QString& password,
                   int32_t type = 1) {
    Package request(1, 1);
    request.registWithAccountType(type, phone.toStdString(), step, code.toStdString(),
                                  password.toStdString());
    return request;
}

}  // namespace

TEST_F(ServerAccounts, SignUpTakesAValidNumberAndTheRightCode) {
    struct Case {
        const char* name;
        int32_t step;
        const char* phone;
        const char* code;
        int32_t type;
        int32_t expected;
    };
    const Case cases[] = {
        {"notAMobileNumber", 1, "12812345678", "", 1, -2},
        {"tooShort", 1, "1381234567", "", 1, -2},
        {"otherAccountType", 1, "13812345678", "", 2, -2},
        {"unknownStep", 3, "13812345678", "", 1, -2},
        {"codeRequested", 1, "13812345678", "", 1, 0},
        {"wrongCode", 2, "13812345678", "9999", 1, -1},
        {"noCodeRequested", 2, "13912345678", "1234", 1, -1},
    };
    for (const Case& c : cases) {
        Package request = signUpStep(c.step, QString::fromLatin1(c.phone),
                                     QString::fromLatin1(c.code), QStringLiteral("123456"), c.type);
        Package reply = call(request);
        EXPECT_EQ(result(reply), c.expected) << c.name;
        EXPECT_EQ(reply.index(), reply.length()) << c.name << ": nothing after a failure code";
    }
    Package right = signUpStep(2, QStringLiteral("13812345678"), QStringLiteral("1234"),
                               QStringLiteral("123456"));
    Package reply = call(right);
    ASSERT_EQ(result(reply), 0);
    EXPECT_GT(reply.readInt64(), 0u);
    const std::string key = reply.readString().value_or("");
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9a-f]{32}$"))
                    .match(QString::fromStdString(key))
                    .hasMatch());
    EXPECT_EQ(reply.index(), reply.length());

    for (const int32_t step : {1, 2}) {
        Package again = signUpStep(step, QStringLiteral("13812345678"), QStringLiteral("1234"),
                                   QStringLiteral("1"));
        Package refused = call(again);
        EXPECT_EQ(result(refused), -1) << "a registered number, step " << step;
    }
}

TEST_F(ServerAccounts, ACodeStopsWorkingAfterFiveWrongTries) {
    Package step1 = signUpStep(1, QStringLiteral("15012345678"), QString(), QStringLiteral("x"));
    Package ok = call(step1);
    ASSERT_EQ(result(ok), 0);
    for (int i = 0; i < 5; ++i) {
        Package wrong = signUpStep(2, QStringLiteral("15012345678"), QStringLiteral("0000"),
                                   QStringLiteral("1"));
        Package reply = call(wrong);
        ASSERT_EQ(result(reply), -1);
    }
    Package right =
        signUpStep(2, QStringLiteral("15012345678"), QStringLiteral("1234"), QStringLiteral("1"));
    Package refused = call(right);
    EXPECT_EQ(result(refused), -1);
}

TEST_F(ServerAccounts, SignInKeysAndPasswordChange) {
    const Session first = signUp(QStringLiteral("18600001111"));
    EXPECT_EQ(signIn(QStringLiteral("18600001111"), QStringLiteral("654321")).userId, 0u)
        << "wrong password";
    EXPECT_EQ(signIn(QStringLiteral("18600002222")).userId, 0u) << "unknown number";
    const Session second = signIn(QStringLiteral("+86 186-0000-1111"));
    EXPECT_EQ(second.userId, first.userId) << "the national number signs in too";
    EXPECT_NE(second.key, first.key);

    auto friendCount = [this](const Session& s) {
        Package request(1, 13);
        request.fetchNumberOfFriendsWithUserId(s.userId, s.key);
        Package reply = call(request);
        return result(reply);
    };
    EXPECT_EQ(friendCount(first), 0) << "both devices stay signed in";
    EXPECT_EQ(friendCount(second), 0);
    EXPECT_EQ(friendCount({first.userId, "not-a-key"}), -3);
    EXPECT_EQ(friendCount({first.userId + 1, first.key}), -3) << "a key is bound to its user";

    Package wrongOld(1, 11);
    wrongOld.changePasswordWithUserId(first.userId, first.key, "000000", "222222");
    Package refused = call(wrongOld);
    EXPECT_EQ(result(refused), -1);

    Package change(1, 11);
    change.changePasswordWithUserId(first.userId, first.key, "123456", "222222");
    Package changed = call(change);
    ASSERT_EQ(result(changed), 0);
    const std::string newKey = changed.readString().value_or("");
    EXPECT_EQ(newKey.size(), 32u);
    EXPECT_EQ(friendCount(first), -3) << "old keys stop working";
    EXPECT_EQ(friendCount(second), -3);
    EXPECT_EQ(friendCount({first.userId, newKey}), 0);
    EXPECT_EQ(signIn(QStringLiteral("18600001111")).userId, 0u);
    EXPECT_EQ(signIn(QStringLiteral("18600001111"), QStringLiteral("222222")).userId, first.userId);
}

TEST_F(ServerAccounts, PasswordsAreStoredSaltedAndSlowlyHashedNeverAsReceived) {
    const Session user = signUp(QStringLiteral("13900001111"));
    const QByteArray received =
        LogicManager::encodePasswordWithsha1(QStringLiteral("123456")).toUtf8();
    SQLite::Statement row(server->database().db(), "select salt, hash from users where id = ?");
    row.bind(1, static_cast<int64_t>(user.userId));
    ASSERT_TRUE(row.executeStep());
    const QByteArray salt(static_cast<const char*>(row.getColumn(0).getBlob()),
                          row.getColumn(0).getBytes());
    const QByteArray hash(static_cast<const char*>(row.getColumn(1).getBlob()),
                          row.getColumn(1).getBytes());
    EXPECT_EQ(salt.size(), 16);
    EXPECT_EQ(hash.size(), 32);
    EXPECT_FALSE(hash.contains(received));
    SQLite::Statement any(server->database().db(),
                          "select count(*) from users where hash = ? or salt = ?");
    any.bind(1, received.constData(), static_cast<int>(received.size()));
    any.bind(2, received.constData(), static_cast<int>(received.size()));
    any.executeStep();
    EXPECT_EQ(any.getColumn(0).getInt(), 0);
}

TEST_F(ServerAccounts, FriendsComeFromEitherAddressBook) {
    const Session a = signUp(QStringLiteral("13800000001"));
    const Session b = signUp(QStringLiteral("13800000002"));
    const Session c = signUp(QStringLiteral("13800000003"));
    EXPECT_EQ(uploadBook(a, {QStringLiteral("+8613800000002"), QStringLiteral("86 138 0000 0003"),
                             QStringLiteral("13999999999")}),
              0);
    auto count = [this](const Session& s) {
        Package request(1, 13);
        request.fetchNumberOfFriendsWithUserId(s.userId, s.key);
        Package reply = call(request);
        EXPECT_EQ(result(reply), 0);
        return reply.readInt32();
    };
    EXPECT_EQ(count(a), 2u);
    EXPECT_EQ(count(b), 1u) << "b has a in no book, but a has b";
    EXPECT_EQ(count(c), 1u);
    EXPECT_EQ(uploadBook(a, {}), 0) << "a new book replaces the old one";
    EXPECT_EQ(count(b), 0u);

    Package broken(1, 12);
    broken.updateContractListWithUserId(a.userId, a.key, "{not json");
    Package reply = call(broken);
    EXPECT_EQ(result(reply), -2);
}
