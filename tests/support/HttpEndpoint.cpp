#include "support/HttpEndpoint.h"

#include <QHostAddress>
#include <QTcpSocket>

HttpEndpoint::HttpEndpoint() {
    server_.listen(QHostAddress::LocalHost, 0);
    connect(&server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        }
    });
}

QString HttpEndpoint::url(const QString& path) const {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path);
}

void HttpEndpoint::respond(int status, const QByteArray& contentType, const QByteArray& body) {
    status_ = status;
    contentType_ = contentType;
    responseBody_ = body;
}

QByteArray HttpEndpoint::headerValue(const QByteArray& name) const {
    for (const QByteArray& line : head_.split('\n')) {
        const int colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed().toLower() == name.toLower())
            return line.mid(colon + 1).trimmed();
    }
    return {};
}

void HttpEndpoint::onReadyRead(QTcpSocket* socket) {
    // Each connection carries one request; its bytes are kept with it.
    const QByteArray buffer = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", buffer);
    const int end = buffer.indexOf("\r\n\r\n");
    if (end < 0) return;
    head_ = buffer.left(end);
    const qsizetype length = headerValue("Content-Length").toLongLong();
    if (buffer.size() < end + 4 + length) return;
    body_ = buffer.mid(end + 4, length);
    ++requests_;
    complete_ = true;
    if (silent_) return;
    QByteArray response = "HTTP/1.1 " + QByteArray::number(status_) + " X\r\n";
    if (!contentType_.isEmpty()) response += "Content-Type: " + contentType_ + "\r\n";
    response += "Content-Length: " + QByteArray::number(responseBody_.size()) +
                "\r\nConnection: close\r\n\r\n" + responseBody_;
    socket->write(response);
    socket->disconnectFromHost();
}
