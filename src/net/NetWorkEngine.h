#pragma once

#include <QAbstractSocket>
#include <QObject>
#include <QVariant>
#include <deque>
#include <functional>
#include <vector>

#include "core/MainQueue.h"
#include "net/Invocation.h"
#include "net/ReplyAssembler.h"
#include "net/ServerConfig.h"

class InvocationManager;
class QNetworkAccessManager;
class QNetworkReply;
class QTcpSocket;

// The client's two channels to the server: the long-lived TCP connection that carries
// requests and replies (reconnecting by itself every 4 s while down), and HTTP uploads.
class NetWorkEngine : public QObject {
    Q_OBJECT
  public:
    using UploadSuccess = std::function<void(QNetworkReply* operation, const QVariant& json)>;
    using UploadFailure = std::function<void(QNetworkReply* operation, const QString& error)>;

    static constexpr double kReconnectInterval = 4.0;
    static constexpr double kWriteTimeout = 30.0;
    static constexpr double kUploadTimeout = 60.0;
    static constexpr qint64 kReadChunk = 64 * 1024;

    static NetWorkEngine& shareInstance();
    NetWorkEngine(const ServerConfig& config, InvocationManager& invocations,
                  QObject* parent = nullptr);
    ~NetWorkEngine() override;

    void connectToServer();
    // Writes the request and registers its callback. While disconnected (or without a
    // package) nothing is written and the callback is never called.
    void sendData(Package* package, CompletionBlock block);
    void reconnect();
    // Multipart upload: text parts, then the file part "file.png" of type "image/png".
    void postWithData(const QString& url, const QByteArray& data, const QString& dataKey,
                      const QVariantMap& parameters, UploadSuccess success, UploadFailure failure);

    bool isConnected() const;
    bool hasReconnectionTimer() const { return timer != 0; }
    const ServerConfig& config() const { return config_; }
    QTcpSocket* socket() const { return clientSocket; }

  private:
    void onStateChanged(QAbstractSocket::SocketState state);
    void onReadyRead();
    void onBytesWritten(qint64 bytes);
    void connectionLost();
    void dropConnection();

    struct WriteDeadline {
        qint64 end;  // bytes written by the time this request is out
        MainQueue::TimerId timer;
    };

    ServerConfig config_;
    InvocationManager& invocations_;
    QTcpSocket* clientSocket;
    QNetworkAccessManager* server;
    MainQueue::TimerId timer = 0;
    ReplyAssembler assembler_;
    std::vector<uint8_t> readBuffer_;
    std::deque<WriteDeadline> writeDeadlines_;
    qint64 bytesQueued_ = 0;
    qint64 bytesWritten_ = 0;
    QAbstractSocket::SocketState lastState_ = QAbstractSocket::UnconnectedState;
    bool reading_ = false;
    bool lostWhileReading_ = false;
};
