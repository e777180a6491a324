#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "ServerOptions.h"

class Accounts;
class DemoWorld;
class HttpServices;
class Operations;
class ProtocolServer;
class Secrets;
class SecretPage;
class ServerDatabase;
class Uploads;

// The whole development server: state under the data folder, the wire protocol on TCP,
// uploads and secret pages over HTTP, and the demo world when asked for.
class DevServer : public QObject {
    Q_OBJECT
  public:
    using Clock = std::function<qint64()>;

    explicit DevServer(ServerOptions options, Clock clock = {}, QObject* parent = nullptr);
    ~DevServer() override;

    // Opens the state, seeds the demo world and starts listening; false with a message.
    bool start(QString* error);
    void stop();

    quint16 tcpPort() const;
    quint16 httpPort() const;
    quint16 webPort() const;
    QString httpBase() const;
    QString readyLine() const;

    Accounts& accounts() { return *accounts_; }
    Secrets& secrets() { return *secrets_; }
    ServerDatabase& database() { return *database_; }

  private:
    ServerOptions options_;
    Clock clock_;
    std::unique_ptr<ServerDatabase> database_;
    std::unique_ptr<Accounts> accounts_;
    std::unique_ptr<Secrets> secrets_;
    std::unique_ptr<Uploads> uploads_;
    std::unique_ptr<Operations> operations_;
    std::unique_ptr<ProtocolServer> protocol_;
    std::unique_ptr<SecretPage> pages_;
    std::unique_ptr<HttpServices> http_;
};
