#pragma once

#include <QHostAddress>
#include <QTcpServer>

class Operations;
class QTcpSocket;

// The wire protocol on TCP: frames are read from each client, answered in order, each reply
// in one write. A malformed frame closes that client's connection and nothing else.
class ProtocolServer : public QObject {
    Q_OBJECT
  public:
    static constexpr uint32_t kMaxLengthWord = 1u << 20;

    ProtocolServer(Operations& operations, QObject* parent = nullptr);
    bool listen(const QHostAddress& address, quint16 port);
    quint16 port() const { return server_.serverPort(); }
    QString errorString() const { return server_.errorString(); }
    int connectionCount() const;

  private:
    void onReadyRead(QTcpSocket* socket);

    Operations& operations_;
    QTcpServer server_;
};
