#include "support/ScriptedServer.h"

#include <QHostAddress>

#include "support/Wait.h"

ScriptedServer::ScriptedServer() {
    server_.listen(QHostAddress::LocalHost, 0);
    connect(&server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            ++connections_;
            if (client_) client_->abort();
            client_ = socket;
            inbox_.clear();
            socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
            connect(socket, &QTcpSocket::readyRead, this, &ScriptedServer::onReadyRead);
        }
    });
}

bool ScriptedServer::waitForClient() {
    return waitUntil(
        [this] { return client_ && client_->state() == QAbstractSocket::ConnectedState; });
}

bool ScriptedServer::waitForRequests(std::size_t count) {
    return waitUntil([this, count] { return requests_.size() >= count; });
}

void ScriptedServer::onReadyRead() {
    if (!reading_ || !client_) return;
    inbox_.append(client_->readAll());
    while (inbox_.size() >= 4) {
        const auto* bytes = reinterpret_cast<const uint8_t*>(inbox_.constData());
        const std::size_t size = std::size_t{Package::lengthWordOf({bytes, 4})} + 4;
        if (static_cast<std::size_t>(inbox_.size()) < size) break;
        requests_.emplace_back(std::vector<uint8_t>(bytes, bytes + size));
        inbox_.remove(0, static_cast<qsizetype>(size));
    }
}

void ScriptedServer::send(const std::vector<uint8_t>& bytes) {
    send(QByteArray(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<qsizetype>(bytes.size())));
}

void ScriptedServer::send(const QByteArray& bytes) {
    if (!client_) return;
    client_->write(bytes);
    client_->flush();
}

void ScriptedServer::sendInChunks(const std::vector<uint8_t>& bytes,
                                  const std::vector<std::size_t>& sizes, QTcpSocket* clientSide) {
    std::size_t offset = 0;
    for (const std::size_t size : sizes) {
        int reads = 0;
        const auto connection =
            connect(clientSide, &QTcpSocket::readyRead, this, [&reads] { ++reads; });
        send(std::vector<uint8_t>(bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                                  bytes.begin() + static_cast<std::ptrdiff_t>(offset + size)));
        waitUntil([&] { return reads > 0 && clientSide->bytesAvailable() == 0; });
        disconnect(connection);
        offset += size;
    }
}

void ScriptedServer::closeClient() {
    if (client_) client_->close();
}

void ScriptedServer::stopReading() {
    reading_ = false;
    // Qt would otherwise keep draining the kernel into its own buffer.
    if (client_) client_->setReadBufferSize(1);
}
