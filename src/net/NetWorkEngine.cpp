#include "net/NetWorkEngine.h"

#include <QNetworkAccessManager>
#include <QTcpSocket>
#include <QtDebug>

#include "core/NotificationCenter.h"
#include "net/InvocationManager.h"

NetWorkEngine& NetWorkEngine::shareInstance() {
    static auto* instance =
        new NetWorkEngine(ServerConfig::current(), InvocationManager::shareInstance());
    return *instance;
}

NetWorkEngine::NetWorkEngine(const ServerConfig& config, InvocationManager& invocations,
                             QObject* parent)
    : QObject(parent),
      config_(config),
      invocations_(invocations),
      clientSocket(new QTcpSocket(this)),
      server(new QNetworkAccessManager(this)),
      assembler_(invocations) {
    connect(clientSocket, &QAbstractSocket::stateChanged, this, &NetWorkEngine::onStateChanged);
    connect(clientSocket, &QIODevice::readyRead, this, &NetWorkEngine::onReadyRead);
    connect(clientSocket, &QIODevice::bytesWritten, this, &NetWorkEngine::onBytesWritten);
}

NetWorkEngine::~NetWorkEngine() {
    clientSocket->disconnect(this);
    MainQueue::shared().cancel(timer);
    for (const WriteDeadline& deadline : writeDeadlines_)
        MainQueue::shared().cancel(deadline.timer);
}

bool NetWorkEngine::isConnected() const {
    return clientSocket->state() == QAbstractSocket::ConnectedState;
}

void NetWorkEngine::connectToServer() {
    // No connect time-out: a tick that comes while an attempt is still under way is skipped.
    if (clientSocket->state() != QAbstractSocket::UnconnectedState) return;
    clientSocket->connectToHost(config_.host, config_.tcpPort);
    NotificationCenter::defaultCenter().postNotificationName(QStringLiteral("ConnectingServer"),
                                                             true);
}

void NetWorkEngine::reconnect() {
    if (timer != 0) return;
    timer = MainQueue::shared().every(
        kReconnectInterval, [this] { connectToServer(); }, this);
}

void NetWorkEngine::sendData(Package* package, CompletionBlock block) {
    if (package == nullptr || !isConnected()) return;
    const std::vector<uint8_t>& bytes = package->getData();
    // One write per request: with low delay on, the header never goes out apart from its body.
    clientSocket->write(reinterpret_cast<const char*>(bytes.data()),
                        static_cast<qint64>(bytes.size()));
    bytesQueued_ += static_cast<qint64>(bytes.size());
    const MainQueue::TimerId deadline = MainQueue::shared().after(
        kWriteTimeout,
        [this] {
            qWarning("NetWorkEngine: a request was not written within %.0f s", kWriteTimeout);
            dropConnection();
        },
        this);
    writeDeadlines_.push_back({bytesQueued_, deadline});
    invocations_.parseBlock(std::move(block), package->packgeSequnce());
}

void NetWorkEngine::onBytesWritten(qint64 bytes) {
    bytesWritten_ += bytes;
    while (!writeDeadlines_.empty() && writeDeadlines_.front().end <= bytesWritten_) {
        MainQueue::shared().cancel(writeDeadlines_.front().timer);
        writeDeadlines_.pop_front();
    }
}

void NetWorkEngine::onStateChanged(QAbstractSocket::SocketState state) {
    const QAbstractSocket::SocketState previous = lastState_;
    lastState_ = state;
    if (state == QAbstractSocket::ConnectedState) {
        clientSocket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        MainQueue::shared().cancel(timer);
        timer = 0;
    } else if (state == QAbstractSocket::UnconnectedState &&
               previous != QAbstractSocket::UnconnectedState) {
        // A failed attempt counts as a disconnection too.
        connectionLost();
        reconnect();
    }
}

void NetWorkEngine::connectionLost() {
    for (const WriteDeadline& deadline : writeDeadlines_)
        MainQueue::shared().cancel(deadline.timer);
    writeDeadlines_.clear();
    bytesQueued_ = bytesWritten_ = 0;
    if (reading_) {
        lostWhileReading_ = true;  // finished once the read in progress unwinds
        return;
    }
    // Nothing waits forever and no stale bytes continue a message on the next connection.
    assembler_.reset();
    invocations_.failAll();
}

void NetWorkEngine::onReadyRead() {
    reading_ = true;
    bool protocolError = false;
    while (isConnected() && clientSocket->bytesAvailable() > 0) {
        readBuffer_.resize(kReadChunk);
        const qint64 count =
            clientSocket->read(reinterpret_cast<char*>(readBuffer_.data()), kReadChunk);
        if (count <= 0) break;
        if (!assembler_.didReadData({readBuffer_.data(), static_cast<std::size_t>(count)})) {
            protocolError = true;
            break;
        }
    }
    reading_ = false;
    if (protocolError) {
        qWarning("NetWorkEngine: malformed reply frame; dropping the connection");
        dropConnection();
    }
    if (lostWhileReading_) {
        lostWhileReading_ = false;
        assembler_.reset();
        invocations_.failAll();
    }
}

void NetWorkEngine::dropConnection() {
    clientSocket->abort();
}
