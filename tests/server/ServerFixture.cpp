#include "ServerFixture.h"

#include "support/Wait.h"

WireClient::WireClient(quint16 port) {
    socket_.connectToHost(QHostAddress::LocalHost, port);
    waitUntil([this] { return socket_.state() == QAbstractSocket::ConnectedState; });
}

void WireClient::sendRaw(const QByteArray& bytes) {
    socket_.write(bytes);
    socket_.flush();
}

Package WireClient::call(Package& request) {
    const std::vector<uint8_t>& bytes = request.getData();
    sendRaw(QByteArray(reinterpret_cast<const char*>(bytes.data()),
                       static_cast<qsizetype>(bytes.size())));
    std::size_t size = 0;
    waitUntil([&] {
        inbox_ += socket_.readAll();
        if (inbox_.size() < 4) return socket_.state() != QAbstractSocket::ConnectedState;
        const auto* head = reinterpret_cast<const uint8_t*>(inbox_.constData());
        size = std::size_t{Package::lengthWordOf({head, 4})} + 4;
        return static_cast<std::size_t>(inbox_.size()) >= size;
    });
    if (size == 0 || static_cast<std::size_t>(inbox_.size()) < size) return Package();
    const auto* head = reinterpret_cast<const uint8_t*>(inbox_.constData());
    Package reply(std::vector<uint8_t>(head, head + size));
    inbox_.remove(0, static_cast<qsizetype>(size));
    return reply;
}

bool WireClient::waitForClose() {
    return waitUntil([this] {
        socket_.readAll();
        return socket_.state() == QAbstractSocket::UnconnectedState;
    });
}

void ServerFixture::SetUp() {
    startServer();
}

void ServerFixture::TearDown() {
    stopServer();
}

void ServerFixture::startServer(bool demo, QStringList muted) {
    stopServer();
    ServerOptions options;
    QString error;
    QStringList arguments{QStringLiteral("xingjian-server"),
                          QStringLiteral("--data"),
                          data.path(),
                          QStringLiteral("--tcp-port"),
                          QStringLiteral("0"),
                          QStringLiteral("--http-port"),
                          QStringLiteral("0"),
                          QStringLiteral("--web-port"),
                          QStringLiteral("0"),
                          QStringLiteral("--fixed-code"),
                          QStringLiteral("1234")};
    if (demo) arguments << QStringLiteral("--demo");
    for (const QString& phone : muted)
        arguments << QStringLiteral("--mute") << phone;
    ASSERT_TRUE(options.parse(arguments, &error)) << error.toStdString();
    server = std::make_unique<DevServer>(options, [this] { return now; });
    ASSERT_TRUE(server->start(&error)) << error.toStdString();
    client = std::make_unique<WireClient>(server->tcpPort());
    ASSERT_TRUE(client->connected());
}

void ServerFixture::stopServer() {
    client.reset();
    server.reset();
}

Session ServerFixture::signUp(const QString& phone, const QString& password) {
    Package step1(1, 1);
    step1.registWithAccountType(1, phone.toStdString(), 1, "", phone.toStdString());
    Package reply1 = call(step1);
    EXPECT_EQ(result(reply1), 0) << phone.toStdString();
    Package step2(1, 1);
    step2.registWithAccountType(1, phone.toStdString(), 2, "1234", password.toStdString());
    Package reply = call(step2);
    EXPECT_EQ(result(reply), 0) << phone.toStdString();
    Session session;
    session.userId = reply.readInt64();
    session.key = reply.readString().value_or("");
    return session;
}

Session ServerFixture::signIn(const QString& phone, const QString& password) {
    Package request(1, 2);
    request.loginWithAccountType(1, phone.toStdString(), password.toStdString());
    Package reply = call(request);
    Session session;
    if (result(reply) != 0) return session;
    session.userId = reply.readInt64();
    session.key = reply.readString().value_or("");
    return session;
}

int32_t ServerFixture::uploadBook(const Session& user, const QStringList& phones) {
    QString json = QStringLiteral("[");
    for (const QString& phone : phones)
        json += QStringLiteral("{\"name\":\"友\",\"phone\":\"%1\"},").arg(phone);
    if (json.endsWith(',')) json.chop(1);
    json += ']';
    Package request(1, 12);
    request.updateContractListWithUserId(user.userId, user.key, json.toStdString());
    Package reply = call(request);
    return result(reply);
}

uint64_t ServerFixture::publish(const Session& user, const QString& text, const QString& img) {
    const QString content = QStringLiteral("{\"content\":\"%1\",\"img\":\"%2\"}").arg(text, img);
    Package request(2, 1);
    request.publishSecretWithUserId(user.userId, user.key, "", content.toStdString());
    Package reply = call(request);
    EXPECT_EQ(result(reply), 0);
    return reply.readInt64();
}

int32_t ServerFixture::act(const Session& user, uint64_t secret, int32_t operation,
                           const QString& text, uint64_t comment) {
    Package request(2, 2);
    request.supportOrCommentWithUserId(user.userId, user.key, secret, comment, operation,
                                       text.toStdString());
    Package reply = call(request);
    return result(reply);
}

namespace {
ServerFixture::Page readItems(Package& reply, bool paged) {
    ServerFixture::Page page;
    page.result = reply.readResultCode();
    if (page.result != 0) return page;
    if (paged) page.cursor = reply.readInt64();
    const uint32_t count = reply.readInt32();
    for (uint32_t i = 0; i < count && !reply.overrun(); ++i) {
        ServerFixture::Item item{};
        item.id = reply.readInt64();
        item.content = QString::fromStdString(reply.readString().value_or(""));
        item.likes = reply.readInt32();
        item.liked = reply.readSignedInt32();
        item.comments = reply.readInt32();
        item.label = QString::fromStdString(reply.readString().value_or(""));
        page.items.push_back(item);
    }
    EXPECT_FALSE(reply.overrun());
    EXPECT_EQ(reply.index(), reply.length()) << "the reply holds exactly its fields";
    return page;
}
}  // namespace

ServerFixture::Page ServerFixture::timeline(const Session& user, uint64_t cursor, int32_t limit,
                                            uint32_t fetchTime) {
    Package request(2, 3);
    request.lastedFeedsWithUserId(user.userId, user.key, fetchTime, cursor, limit);
    Package reply = call(request);
    EXPECT_EQ(reply.getProtocalId(), 3u);
    EXPECT_EQ(reply.packgeSequnce(), request.packgeSequnce());
    return readItems(reply, true);
}

ServerFixture::Page ServerFixture::collected(const Session& user) {
    Package request(2, 14);
    request.fetchCollectedFeedsUserId(user.userId, user.key);
    Package reply = call(request);
    return readItems(reply, false);
}
