#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <thread>

#include "ServerFixture.h"
#include "support/ReplyBytes.h"
#include "support/Wait.h"

namespace {

class ServerProtocol : public ServerFixture {};

QByteArray bytesOf(Package& p) {
    const auto& data = p.getData();
    return QByteArray(reinterpret_cast<const char*>(data.data()),
                      static_cast<qsizetype>(data.size()));
}

// A blocking client on its own thread: sends a request, reads its reply.
class BlockingClient {
  public:
    explicit BlockingClient(quint16 port) {
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ok_ = ::connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        const int one = 1;
        ::setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    }
    ~BlockingClient() { ::close(fd_); }
    bool ok() const { return ok_; }
    std::optional<Package> call(Package& request) {
        const auto& bytes = request.getData();
        if (::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL) !=
            static_cast<ssize_t>(bytes.size()))
            return std::nullopt;
        std::vector<uint8_t> reply(4);
        if (!readExactly(reply.data(), 4)) return std::nullopt;
        const uint32_t length = Package::lengthWordOf(reply);
        reply.resize(length + 4);
        if (!readExactly(reply.data() + 4, length)) return std::nullopt;
        return Package(std::move(reply));
    }

  private:
    bool readExactly(uint8_t* into, std::size_t count) {
        while (count > 0) {
            const ssize_t got = ::recv(fd_, into, count, 0);
            if (got <= 0) return false;
            into += got;
            count -= static_cast<std::size_t>(got);
        }
        return true;
    }
    int fd_ = -1;
    bool ok_ = false;
};

}  // namespace

TEST_F(ServerProtocol, RepliesCarryTheRequestsProtocolAndSequence) {
    const Session me = signUp(QStringLiteral("13800000001"));
    Package request(1, 13);
    request.fetchNumberOfFriendsWithUserId(me.userId, me.key);
    Package reply = call(request);
    EXPECT_EQ(reply.packgeSequnce(), request.packgeSequnce());
    EXPECT_EQ(reply.getProtocalId(), 13u);
    EXPECT_EQ(reply.fullLength(), reply.length() - 4);
    reply.seek(4);
    EXPECT_EQ(reply.readInt32(), Package::kMagic);
}

TEST_F(ServerProtocol, MalformedFramesCloseOnlyTheirOwnConnection) {
    const Session me = signUp(QStringLiteral("13800000001"));
    struct Case {
        const char* name;
        std::function<QByteArray()> bytes;
    };
    const Case cases[] = {
        {"badMagic",
         [&] {
             Package p(1, 13);
             p.fetchNumberOfFriendsWithUserId(me.userId, me.key);
             QByteArray b = bytesOf(p);
             b[4] = 'X';
             return b;
         }},
        {"lengthBelowHeader", [] { return QByteArray::fromHex("0000000a5a414c4200000001"); }},
        {"lengthAboveCap", [] { return QByteArray::fromHex("002000005a414c4200000001"); }},
        {"bodyEndsInsideAField",
         [&] {
             Package p(2, 3);
             p.appendInt64(me.userId);
             p.appendInt32(40);  // a key that claims 40 bytes
             p.appendData(std::vector<uint8_t>{'a', 'b'});
             return bytesOf(p);
         }},
    };
    for (const Case& c : cases) {
        WireClient victim(server->tcpPort());
        ASSERT_TRUE(victim.connected()) << c.name;
        victim.sendRaw(c.bytes());
        EXPECT_TRUE(victim.waitForClose()) << c.name;
        Package request(1, 13);
        request.fetchNumberOfFriendsWithUserId(me.userId, me.key);
        Package reply = call(request);
        EXPECT_EQ(result(reply), 0) << c.name << ": others go on";
    }
}

TEST_F(ServerProtocol, InvalidUtf8IsABadRequestNotAClosedConnection) {
    Package request(1, 2);
    request.appendInt32(1);
    request.appendInt32(2);
    request.appendData(std::vector<uint8_t>{0xC0, 0x80});
    request.appendString("x");
    Package reply = call(request);
    EXPECT_EQ(result(reply), -2);
    EXPECT_TRUE(client->connected());
}

TEST_F(ServerProtocol, FiftyClientsTwoHundredRequestsEachAllAnsweredCorrectly) {
    const Session a = signUp(QStringLiteral("13800000001"));
    const Session b = signUp(QStringLiteral("13800000002"));
    ASSERT_EQ(uploadBook(a, {QStringLiteral("13800000002")}), 0);
    const uint64_t secret = publish(b, QStringLiteral("大家好"));

    constexpr int kClients = 50, kRequests = 200;
    std::atomic<int> correct{0}, finished{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kClients; ++t) {
        threads.emplace_back([&, t] {
            BlockingClient connection(server->tcpPort());
            for (int i = 0; connection.ok() && i < kRequests; ++i) {
                // Frames built here: the client's sequence counter belongs to the main thread.
                const bool timelineRequest = (i + t) % 2 == 0;
                const int32_t sequence = t * kRequests + i + 1;
                Package request(replyBytes(
                    timelineRequest ? 3 : 13, sequence,
                    [&](Package& body) {
                        if (timelineRequest)
                            body.lastedFeedsWithUserId(a.userId, a.key, 0, 0, 10);
                        else
                            body.fetchNumberOfFriendsWithUserId(a.userId, a.key);
                    },
                    timelineRequest ? 2 : 1));
                std::optional<Package> reply = connection.call(request);
                if (!reply || reply->packgeSequnce() != sequence) continue;
                if (reply->readResultCode() != 0) continue;
                if (timelineRequest) {
                    reply->readInt64();
                    if (reply->readInt32() == 1 && reply->readInt64() == secret) ++correct;
                } else if (reply->readInt32() == 1) {
                    ++correct;
                }
            }
            ++finished;
        });
    }
    // The server answers on this thread's event loop.
    EXPECT_TRUE(waitUntil([&] { return finished == kClients; }, 120'000));
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(correct.load(), kClients * kRequests);
}
