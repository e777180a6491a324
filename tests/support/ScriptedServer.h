#pragma once

#include <QByteArray>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <cstdint>
#include <vector>

#include "wire/Package.h"

// A scripted peer on 127.0.0.1: accepts one client at a time, splits what it receives into
// request frames, and sends exactly the bytes (and the chunks) a test asks for.
class ScriptedServer : public QObject {
    Q_OBJECT
  public:
    ScriptedServer();

    quint16 port() const { return server_.serverPort(); }
    bool waitForClient();
    bool waitForRequests(std::size_t count);
    const std::vector<Package>& requests() const { return requests_; }
    void clearRequests() { requests_.clear(); }
    int connections() const { return connections_; }

    // Writes the bytes and pushes them into the kernel at once.
    void send(const std::vector<uint8_t>& bytes);
    void send(const QByteArray& bytes);
    // Sends each chunk on its own and waits until the client has read it.
    void sendInChunks(const std::vector<uint8_t>& bytes, const std::vector<std::size_t>& sizes,
                      QTcpSocket* clientSide);
    void closeClient();
    void stopReading();

  private:
    void onReadyRead();

    QTcpServer server_;
    QPointer<QTcpSocket> client_;
    QByteArray inbox_;
    std::vector<Package> requests_;
    int connections_ = 0;
    bool reading_ = true;
};
