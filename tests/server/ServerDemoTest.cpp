#include <SQLiteCpp/Statement.h>

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <csignal>
#include <set>

#include "DemoWorld.h"
#include "ServerDatabase.h"
#include "ServerFixture.h"
#include "platform/VCardParser.h"
#include "support/Wait.h"

namespace {

class ServerDemo : public ServerFixture {
  protected:
    void SetUp() override { startServer(true); }

    // Signs up a new user with the demo address book, as the app's first start does.
    Session newDemoUser() {
        const Session user = signUp(QStringLiteral("15900001111"));
        QFile book(data.path() + QStringLiteral("/demo-contacts.vcf"));
        EXPECT_TRUE(book.open(QIODevice::ReadOnly));
        QStringList phones;
        for (const auto& person : VCardParser::parse(book.readAll()))
            phones << person.phones;
        EXPECT_EQ(phones.size(), DemoWorld::kContactsInBook);
        EXPECT_EQ(uploadBook(user, phones), 0);
        return user;
    }

    qint64 newestSecret() {
        SQLite::Statement query(server->database().db(), "select max(created) from secrets");
        query.executeStep();
        return query.getColumn(0).getInt64();
    }
};

}  // namespace

TEST_F(ServerDemo, ANewUserWithTheDemoBookGetsAFullMixedTimeline) {
    const Session user = newDemoUser();
    const uint32_t sevenDaysAgo = static_cast<uint32_t>(now - 7 * 86400);
    Page page = timeline(user, 0, 10, sevenDaysAgo);
    ASSERT_EQ(page.items.size(), 10u) << "the first request of a new client fills a page";
    std::set<QString> labels;
    uint64_t cursor = 0;
    int total = 0, photos = 0, commented = 0;
    while (!page.items.empty()) {
        for (const Item& item : page.items) {
            labels.insert(item.label);
            const QString img =
                QJsonDocument::fromJson(item.content.toUtf8()).object().value("img").toString();
            if (img.startsWith(server->httpBase() + QStringLiteral("/download-image.cgi?")))
                ++photos;
            if (item.comments > 0) ++commented;
        }
        total += static_cast<int>(page.items.size());
        cursor = page.cursor;
        page = timeline(user, cursor, 10);
    }
    EXPECT_GE(total, 40);
    EXPECT_TRUE(labels.contains(QStringLiteral("朋友圈")));
    EXPECT_TRUE(labels.contains(QStringLiteral("好友赞过")));
    EXPECT_TRUE(labels.contains(QStringLiteral("热门")));
    EXPECT_GE(photos, 2);
    EXPECT_GE(commented, 5);

    Package questions(2, 15);
    questions.fetchGuideQuestionWithWithUserId(user.userId, user.key, sevenDaysAgo, 0, 5);
    Package reply = call(questions);
    ASSERT_EQ(result(reply), 0);
    reply.readInt64();
    EXPECT_EQ(reply.readInt32(), 5u);

    Package friends(1, 13);
    friends.fetchNumberOfFriendsWithUserId(user.userId, user.key);
    Package count = call(friends);
    ASSERT_EQ(result(count), 0);
    EXPECT_EQ(count.readInt32(), static_cast<uint32_t>(DemoWorld::kContactsInBook));
}

TEST_F(ServerDemo, DemoAccountsSignInAndTheWorldIsSeededOnce) {
    EXPECT_GT(signIn(DemoWorld::phoneOf(0), QString::fromLatin1(DemoWorld::kPassword)).userId, 0u);
    auto count = [this] {
        SQLite::Statement query(server->database().db(), "select count(*) from secrets");
        query.executeStep();
        return query.getColumn(0).getInt();
    };
    const int secrets = count();
    EXPECT_GE(secrets, 60);
    startServer(true);
    EXPECT_EQ(count(), secrets);
}

TEST_F(ServerDemo, ARestartedDemoStillLooksAliveAndServesPhotosWhereItListens) {
    const qint64 seededNewest = newestSecret();
    EXPECT_GT(seededNewest, now - 86400);
    now += 3 * 86400;
    startServer(true);
    EXPECT_GT(newestSecret(), now - 86400) << "the dates moved forward";
    EXPECT_LE(newestSecret(), now);
    const Session user = newDemoUser();
    bool sawPhoto = false;
    for (const Item& item : timeline(user, 0, 50).items) {
        const QString img =
            QJsonDocument::fromJson(item.content.toUtf8()).object().value("img").toString();
        if (!img.contains(QStringLiteral("http"))) continue;
        sawPhoto = true;
        EXPECT_TRUE(img.startsWith(server->httpBase())) << img.toStdString();
    }
    EXPECT_TRUE(sawPhoto);
}

// The real program: the ready line, a sign-up with the demo code, a clean stop on SIGTERM.
TEST(ServerProcess, StartsReadyAnswersAndStopsOnSigterm) {
    QTemporaryDir data;
    QProcess process;
    process.start(QStringLiteral(XJ_SERVER_BINARY),
                  {QStringLiteral("--data"), data.path(), QStringLiteral("--demo"),
                   QStringLiteral("--tcp-port"), QStringLiteral("0"), QStringLiteral("--http-port"),
                   QStringLiteral("0"), QStringLiteral("--web-port"), QStringLiteral("0")});
    QByteArray out;
    ASSERT_TRUE(waitUntil(
        [&] {
            out += process.readAllStandardOutput();
            return out.contains('\n') || process.state() == QProcess::NotRunning;
        },
        60'000));
    const QRegularExpressionMatch ready =
        QRegularExpression(QStringLiteral("^ready tcp=(\\d+) http=(\\d+) web=(\\d+)\n$"))
            .match(QString::fromUtf8(out));
    ASSERT_TRUE(ready.hasMatch()) << out.toStdString()
                                  << process.readAllStandardError().toStdString();

    WireClient client(static_cast<quint16>(ready.captured(1).toUInt()));
    Package step1(1, 1);
    step1.registWithAccountType(1, "13512345678", 1, "", "13512345678");
    Package code = client.call(step1);
    EXPECT_EQ(code.readResultCode(), 0);
    Package step2(1, 1);
    step2.registWithAccountType(1, "13512345678", 2, "1234", "123456");
    Package signedUp = client.call(step2);
    EXPECT_EQ(signedUp.readResultCode(), 0);

    ::kill(static_cast<pid_t>(process.processId()), SIGTERM);
    ASSERT_TRUE(waitUntil([&] { return process.state() == QProcess::NotRunning; }, 30'000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0);
}
