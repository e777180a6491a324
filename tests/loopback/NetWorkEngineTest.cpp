#include <gtest/gtest.h>
#include <QTcpServer>
#include <QTcpSocket>

#include <map>

#include "core/MainQueue.h"
#include "core/NotificationCenter.h"
#include "net/InvocationManager.h"
#include "net/NetWorkEngine.h"
#include "support/ReplyBytes.h"
#include "support/ScriptedServer.h"
#include "support/Wait.h"

namespace {

using Bytes = std::vector<uint8_t>;

struct Delivery {
    int flag;
    Bytes bytes;
};

// An engine connected to a scripted server on 127.0.0.1, with its own request table.
class NetWorkEngineTest : public testing::Test {
  protected:
    void SetUp() override {
        MainQueue::shared().useManualClock();
        ServerConfig config;
        config.tcpPort = server.port();
        engine = std::make_unique<NetWorkEngine>(config, table);
        engine->connectToServer();
        ASSERT_TRUE(server.waitForClient());
        ASSERT_TRUE(waitUntil([this] { return engine->isConnected(); }));
    }

    // Sends a timeline request; the reply (or its failure) lands in deliveries[seq].
    int32_t request() {
        Package p(2, 3);
        p.lastedFeedsWithUserId(1, "key", 0, 0, 10);
        const int32_t seq = p.packgeSequnce();
        engine->sendData(&p, [this, seq](int flag, Package& reply) {
            deliveries[seq].push_back({flag, reply.bytes()});
            order.push_back(seq);
        });
        return seq;
    }

    void replyInChunks(const Bytes& bytes, const std::vector<std::size_t>& sizes) {
        server.sendInChunks(bytes, sizes, engine->socket());
    }

    ScriptedServer server;
    InvocationManager table;
    std::unique_ptr<NetWorkEngine> engine;
    std::map<int32_t, std::vector<Delivery>> deliveries;
    std::vector<int32_t> order;
};

}  // namespace

TEST_F(NetWorkEngineTest, RequestGoesOutWholeWithItsLengthWordPatched) {
    const int32_t seq = request();
    ASSERT_TRUE(server.waitForRequests(1));
    const Package& received = server.requests()[0];
    EXPECT_EQ(received.packgeSequnce(), seq);
    EXPECT_EQ(received.fullLength(), received.length() - 4);
    EXPECT_EQ(received.getProtocalId(), 3u);
    EXPECT_EQ(received.length(), 24 + 8 + 4 + 3 + 4 + 8 + 4);
}

TEST_F(NetWorkEngineTest, ReplyInOneChunk) {
    const int32_t seq = request();
    ASSERT_TRUE(server.waitForRequests(1));
    const Bytes reply = replyOfSize(seq, 40);
    server.send(reply);
    ASSERT_TRUE(waitUntil([&] { return deliveries.contains(seq); }));
    ASSERT_EQ(deliveries[seq].size(), 1u);
    EXPECT_EQ(deliveries[seq][0].flag, 1);
    EXPECT_EQ(deliveries[seq][0].bytes, reply);
    EXPECT_EQ(table.pendingCount(), 0u);
}

TEST_F(NetWorkEngineTest, ReplyInThreeChunksIsDeliveredAfterTheThird) {
    const int32_t seq = request();
    ASSERT_TRUE(server.waitForRequests(1));
    const Bytes reply = replyOfSize(seq, 40);
    replyInChunks(reply, {10, 20});
    settle();
    EXPECT_FALSE(deliveries.contains(seq)) << "never after the second chunk";
    replyInChunks(Bytes(reply.begin() + 30, reply.end()), {10});
    ASSERT_TRUE(waitUntil([&] { return deliveries.contains(seq); }));
    EXPECT_EQ(deliveries[seq][0].bytes, reply);
}

TEST_F(NetWorkEngineTest, TwoRepliesInOneChunkAndRepliesInTheOtherOrder) {
    const int32_t a = request();
    const int32_t b = request();
    const int32_t c = request();
    ASSERT_TRUE(server.waitForRequests(3));
    server.send(concat(replyOfSize(c, 44), replyOfSize(b, 33)));
    ASSERT_TRUE(waitUntil([&] { return deliveries.size() == 2; }));
    server.send(replyOfSize(a, 28));
    ASSERT_TRUE(waitUntil([&] { return deliveries.size() == 3; }));
    EXPECT_EQ(deliveries[a][0].bytes, replyOfSize(a, 28));
    EXPECT_EQ(deliveries[b][0].bytes, replyOfSize(b, 33));
    EXPECT_EQ(deliveries[c][0].bytes, replyOfSize(c, 44));
    EXPECT_EQ(order.back(), a);
}

TEST_F(NetWorkEngineTest, ContinuationChunkEndsOneReplyAndHoldsTheNext) {
    const int32_t a = request();
    const int32_t b = request();
    ASSERT_TRUE(server.waitForRequests(2));
    const Bytes stream = concat(replyOfSize(a, 60), replyOfSize(b, 40));
    replyInChunks(stream, {30, 70});
    ASSERT_TRUE(waitUntil([&] { return deliveries.size() == 2; }));
    EXPECT_EQ(order, (std::vector<int32_t>{b, a})) << "the later reply is delivered first";
    EXPECT_EQ(deliveries[b][0].bytes, replyOfSize(b, 40));
}

TEST_F(NetWorkEngineTest, UnregisteredReplyIsDroppedAndTheNextOneStillArrives) {
    const int32_t seq = request();
    ASSERT_TRUE(server.waitForRequests(1));
    server.send(replyOfSize(seq + 100000, 50));
    server.send(replyOfSize(seq, 30));
    ASSERT_TRUE(waitUntil([&] { return deliveries.contains(seq); }));
    EXPECT_EQ(deliveries.size(), 1u);
    EXPECT_EQ(table.pendingCount(), 0u);
}

TEST_F(NetWorkEngineTest, CutConnectionEndsPendingRequestsAndTheNextConnectionStartsClean) {
    const int32_t half = request();
    const int32_t waiting = request();
    ASSERT_TRUE(server.waitForRequests(2));
    replyInChunks(replyOfSize(half, 80), {50});
    server.closeClient();
    ASSERT_TRUE(waitUntil([&] { return deliveries.size() == 2; }));
    for (const int32_t seq : {half, waiting}) {
        EXPECT_EQ(deliveries[seq][0].flag, 0);
        EXPECT_TRUE(deliveries[seq][0].bytes.empty());
    }
    EXPECT_EQ(table.pendingCount(), 0u);
    EXPECT_TRUE(engine->hasReconnectionTimer());

    MainQueue::shared().advance(4.0);
    ASSERT_TRUE(waitUntil([&] { return engine->isConnected(); }));
    EXPECT_FALSE(engine->hasReconnectionTimer());
    const int32_t fresh = request();
    ASSERT_TRUE(server.waitForRequests(3));
    server.send(replyOfSize(fresh, 36));
    ASSERT_TRUE(waitUntil([&] { return deliveries.contains(fresh); }));
    EXPECT_EQ(deliveries[fresh][0].bytes, replyOfSize(fresh, 36));
}

TEST_F(NetWorkEngineTest, HostileLengthWordDropsTheConnection) {
    const int32_t seq = request();
    ASSERT_TRUE(server.waitForRequests(1));
    Bytes hostile = replyOfSize(seq, 40);
    hostile[0] = 0x7F;  // claims ~2 GiB
    server.send(hostile);
    ASSERT_TRUE(waitUntil([&] { return !engine->isConnected(); }));
    ASSERT_TRUE(waitUntil([&] { return deliveries.contains(seq); }));
    EXPECT_EQ(deliveries[seq][0].flag, 0);
    EXPECT_TRUE(engine->hasReconnectionTimer());
}

TEST_F(NetWorkEngineTest, SendWhileDisconnectedWritesNothingAndNeverCallsBack) {
    server.closeClient();
    ASSERT_TRUE(waitUntil([&] { return !engine->isConnected(); }));
    Package p(2, 14);
    p.fetchCollectedFeedsUserId(1, "k");
    bool called = false;
    engine->sendData(&p, [&](int, Package&) { called = true; });
    engine->sendData(nullptr, [&](int, Package&) { called = true; });
    settle();
    EXPECT_FALSE(called);
    EXPECT_EQ(table.pendingCount(), 0u);
}

TEST_F(NetWorkEngineTest, WriteThatDoesNotCompleteIn30SecondsDropsTheConnection) {
    server.stopReading();
    Package big(5, 2);
    big.suggestForUsWithUserId(1, "k", std::string(64 << 20, 'x'));
    bool ended = false;
    engine->sendData(&big, [&](int flag, Package&) { ended = flag == 0; });
    settle();
    MainQueue::shared().advance(29.0);
    settle();
    EXPECT_TRUE(engine->isConnected());
    MainQueue::shared().advance(1.0);
    ASSERT_TRUE(waitUntil([&] { return !engine->isConnected(); }));
    EXPECT_TRUE(ended);
}

// No server at the address: an attempt every 4 s, one notification per attempt, and never
// more than one timer however the disconnections come.
TEST(NetWorkEngineReconnection, RetriesEveryFourSecondsWithOneTimer) {
    MainQueue& clock = MainQueue::shared();
    clock.useManualClock();
    QTcpServer placeholder;
    placeholder.listen(QHostAddress::LocalHost, 0);
    const quint16 port = placeholder.serverPort();
    placeholder.close();  // a port with nothing listening: refused at once

    InvocationManager table;
    ServerConfig config;
    config.tcpPort = port;
    NetWorkEngine engine(config, table);
    QObject observer;
    int attempts = 0;
    NotificationCenter::defaultCenter().addObserver(&observer, QStringLiteral("ConnectingServer"),
                                                    [&](const QVariant& object) {
                                                        EXPECT_TRUE(object.toBool());
                                                        ++attempts;
                                                    });

    engine.connectToServer();
    EXPECT_EQ(attempts, 1);
    ASSERT_TRUE(waitUntil([&] { return engine.hasReconnectionTimer(); }));
    EXPECT_EQ(clock.pendingCount(), 1u);
    for (int round = 2; round <= 4; ++round) {
        clock.advance(3.9);
        EXPECT_EQ(attempts, round - 1);
        clock.advance(0.1);
        EXPECT_EQ(attempts, round);
        ASSERT_TRUE(waitUntil(
            [&] { return engine.socket()->state() == QAbstractSocket::UnconnectedState; }));
        engine.reconnect();  // extra disconnection reports change nothing
        EXPECT_EQ(clock.pendingCount(), 1u);
    }

    // The server comes up: the next tick connects and the timer goes away.
    ScriptedServer late;
    config.tcpPort = late.port();
    NetWorkEngine second(config, table);
    second.reconnect();
    clock.advance(4.0);
    ASSERT_TRUE(waitUntil([&] { return second.isConnected(); }));
    EXPECT_FALSE(second.hasReconnectionTimer());
    late.closeClient();
    ASSERT_TRUE(waitUntil([&] { return second.hasReconnectionTimer(); }));
}

TEST(NetWorkEngineReconnection, TickDuringAnAttemptIsSkipped) {
    MainQueue::shared().useManualClock();
    ScriptedServer server;
    InvocationManager table;
    ServerConfig config;
    config.tcpPort = server.port();
    NetWorkEngine engine(config, table);
    QObject observer;
    int attempts = 0;
    NotificationCenter::defaultCenter().addObserver(&observer, QStringLiteral("ConnectingServer"),
                                                    [&](const QVariant&) { ++attempts; });
    engine.connectToServer();
    engine.connectToServer();  // still connecting (or connected): skipped
    EXPECT_EQ(attempts, 1);
    ASSERT_TRUE(waitUntil([&] { return engine.isConnected(); }));
    engine.connectToServer();
    EXPECT_EQ(attempts, 1);
    EXPECT_EQ(server.connections(), 1);
}
