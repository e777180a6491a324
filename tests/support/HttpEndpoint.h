#pragma once

#include <QByteArray>
#include <QTcpServer>

// A one-route HTTP endpoint on 127.0.0.1 that records the request it receives and answers
// with the status, content type and body a test sets. silent() makes it never answer.
class HttpEndpoint : public QObject {
    Q_OBJECT
  public:
    HttpEndpoint();

    QString url(const QString& path = QStringLiteral("/form.cgi")) const;
    void respond(int status, const QByteArray& contentType, const QByteArray& body);
    void silent() { silent_ = true; }

    const QByteArray& requestHead() const { return head_; }
    const QByteArray& requestBody() const { return body_; }
    bool received() const { return complete_; }
    int requests() const { return requests_; }
    QByteArray headerValue(const QByteArray& name) const;

  private:
    void onReadyRead(class QTcpSocket* socket);

    QTcpServer server_;
    QByteArray head_, body_;
    int requests_ = 0;
    bool complete_ = false;
    bool silent_ = false;
    int status_ = 200;
    QByteArray contentType_ = "application/json";
    QByteArray responseBody_ = "{}";
};
