#include "ProtocolServer.h"

#include <QTcpSocket>
#include <cstdio>

#include "Operations.h"
#include "wire/Package.h"

namespace {
const char* const kBufferProperty = "xingjianInbox";

void dropClient(QTcpSocket* socket, const char* why) {
    std::fprintf(stderr, "closing %s:%u: %s\n", qPrintable(socket->peerAddress().toString()),
                 socket->peerPort(), why);
    socket->abort();
    socket->deleteLater();
}
}  // namespace

ProtocolServer::ProtocolServer(Operations& operations, QObject* parent)
    : QObject(parent), operations_(operations) {
    connect(&server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            socket->setParent(this);
            socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

bool ProtocolServer::listen(const QHostAddress& address, quint16 port) {
    return server_.listen(address, port);
}

int ProtocolServer::connectionCount() const {
    return static_cast<int>(findChildren<QTcpSocket*>().size());
}

void ProtocolServer::onReadyRead(QTcpSocket* socket) {
    QByteArray inbox = socket->property(kBufferProperty).toByteArray() + socket->readAll();
    qsizetype offset = 0;
    while (inbox.size() - offset >= 4) {
        const auto* bytes = reinterpret_cast<const uint8_t*>(inbox.constData() + offset);
        const uint32_t lengthWord = Package::lengthWordOf({bytes, 4});
        if (lengthWord < Package::kHeaderSize - 4 || lengthWord > kMaxLengthWord)
            return dropClient(socket, "length word out of range");
        if (inbox.size() - offset >= 8 && Package::lengthWordOf({bytes + 4, 4}) != Package::kMagic)
            return dropClient(socket, "bad magic number");
        const qsizetype size = static_cast<qsizetype>(lengthWord) + 4;
        if (inbox.size() - offset < size) break;
        const std::vector<uint8_t> frame(bytes, bytes + size);
        offset += size;
        const std::optional<std::vector<uint8_t>> reply = operations_.handle(frame);
        if (!reply) return dropClient(socket, "request body ends inside a field");
        socket->write(reinterpret_cast<const char*>(reply->data()),
                      static_cast<qint64>(reply->size()));
    }
    socket->setProperty(kBufferProperty, inbox.mid(offset));
}
