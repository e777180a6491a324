#include "platform/PushNotifications.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>

namespace {
constexpr qint64 kMaxPayload = 64 * 1024;
const QByteArray kUrlPrefix = QByteArrayLiteral("URL ");

bool deliver(const QString& home, const QByteArray& line, int waitMillis) {
    QLocalSocket socket;
    socket.connectToServer(PushNotifications::channelName(home));
    if (!socket.waitForConnected(waitMillis)) return false;
    socket.write(line + '\n');
    if (!socket.waitForBytesWritten(waitMillis) || !socket.waitForReadyRead(waitMillis))
        return false;
    return socket.readAll().startsWith("ok");
}
}

PushNotifications& PushNotifications::shared() {
    static auto* instance = new PushNotifications;  // lives for the whole process
    return *instance;
}

QString PushNotifications::tokenDescription(const QByteArray& token) {
    QString text = QStringLiteral("<");
    for (qsizetype i = 0; i < token.size(); ++i) {
        if (i > 0 && i % 4 == 0) text += ' ';
        text += QString::fromLatin1(token.mid(i, 1).toHex());
    }
    return text + '>';
}

void PushNotifications::deliverToken(const QString& hex) {
    static const QRegularExpression pattern(QStringLiteral("^([0-9a-fA-F]{2})+$"));
    if (!pattern.match(hex).hasMatch()) {
        if (didFailToRegisterForRemoteNotificationsWithError)
            didFailToRegisterForRemoteNotificationsWithError(
                QStringLiteral("not a device token: %1").arg(hex));
        return;
    }
    if (didRegisterForRemoteNotificationsWithDeviceToken)
        didRegisterForRemoteNotificationsWithDeviceToken(
            tokenDescription(QByteArray::fromHex(hex.toLatin1())));
}

QString PushNotifications::channelName(const QString& home) {
    return QStringLiteral("xingjian-push-") +
           QString::fromLatin1(
               QCryptographicHash::hash(home.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

bool PushNotifications::listen(const QString& home) {
    delete server_;
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);  // only this user may push
    if (!server_->listen(channelName(home))) {
        // A socket file left by a crashed run: take it over unless an instance answers.
        QLocalSocket probe;
        probe.connectToServer(channelName(home));
        if (probe.waitForConnected(200)) return false;
        QLocalServer::removeServer(channelName(home));
        if (!server_->listen(channelName(home))) return false;
    }
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                QByteArray buffer = socket->property("payload").toByteArray() + socket->readAll();
                if (buffer.size() > kMaxPayload) {
                    socket->abort();
                    return;
                }
                const qsizetype end = buffer.indexOf('\n');
                if (end < 0) {
                    socket->setProperty("payload", buffer);
                    return;
                }
                const QByteArray line = buffer.left(end);
                if (line.startsWith(kUrlPrefix)) {
                    const QUrl url(QString::fromUtf8(line.mid(kUrlPrefix.size())),
                                   QUrl::StrictMode);
                    socket->write(url.isValid() ? "ok\n" : "bad\n");
                    socket->disconnectFromServer();
                    if (url.isValid() && didOpenURL) didOpenURL(url);
                    return;
                }
                const QJsonDocument document = QJsonDocument::fromJson(line);
                socket->write(document.isObject() ? "ok\n" : "bad\n");
                socket->disconnectFromServer();
                if (document.isObject() && didReceiveRemoteNotification)
                    didReceiveRemoteNotification(document.object().toVariantMap());
            });
        }
    });
    return true;
}

bool PushNotifications::send(const QString& home, const QByteArray& json, int waitMillis) {
    const QJsonDocument document = QJsonDocument::fromJson(json);
    if (!document.isObject()) return false;
    return deliver(home, document.toJson(QJsonDocument::Compact), waitMillis);
}

bool PushNotifications::sendURL(const QString& home, const QUrl& url, int waitMillis) {
    if (!url.isValid()) return false;
    return deliver(home, kUrlPrefix + url.toEncoded(), waitMillis);
}
