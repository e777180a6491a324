#pragma once

#include <gtest/gtest.h>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <memory>

#include "DevServer.h"
#include "wire/Package.h"

// Talks the wire protocol to a server from the main thread: one request at a time, waiting
// (on the event loop) for its reply.
class WireClient {
  public:
    explicit WireClient(quint16 port);
    bool connected() const { return socket_.state() == QAbstractSocket::ConnectedState; }
    // The reply, or an empty package when none came (connection closed).
    Package call(Package& request);
    void sendRaw(const QByteArray& bytes);
    bool waitForClose();

  private:
    QTcpSocket socket_;
    QByteArray inbox_;
};

struct Session {
    uint64_t userId = 0;
    std::string key;
};

// A development server on loopback ports chosen by the system, over a fresh data folder,
// with a clock the test moves.
class ServerFixture : public testing::Test {
  public:
    struct Item {
        uint64_t id;
        QString content;
        uint32_t likes;
        int32_t liked;
        uint32_t comments;
        QString label;
    };
    struct Page {
        int32_t result = 0;
        uint64_t cursor = 0;
        std::vector<Item> items;
    };

  protected:
    void SetUp() override;
    void TearDown() override;

    // (Re)starts the server over the same data folder.
    void startServer(bool demo = false, QStringList muted = {});
    void stopServer();

    Package call(Package& request) { return client->call(request); }
    // Signs up a new user with the fixed code; fails the test when it does not work.
    Session signUp(const QString& phone, const QString& password = QStringLiteral("123456"));
    Session signIn(const QString& phone, const QString& password = QStringLiteral("123456"));
    int32_t uploadBook(const Session& user, const QStringList& phones);
    uint64_t publish(const Session& user, const QString& text,
                     const QString& img = QStringLiteral("id:1"));
    int32_t act(const Session& user, uint64_t secret, int32_t operation, const QString& text = {},
                uint64_t comment = 0);

    Page timeline(const Session& user, uint64_t cursor = 0, int32_t limit = 50,
                  uint32_t fetchTime = 0);
    Page collected(const Session& user);
    static int32_t result(Package& reply) { return reply.readResultCode(); }

    QTemporaryDir data;
    qint64 now = 1'800'000'000;
    std::unique_ptr<DevServer> server;
    std::unique_ptr<WireClient> client;
};
