#include "DevServer.h"

#include <SQLiteCpp/Exception.h>

#include <QDateTime>
#include <QDir>
#include <QHostAddress>

#include "Accounts.h"
#include "DemoWorld.h"
#include "HttpServices.h"
#include "Operations.h"
#include "ProtocolServer.h"
#include "SecretPage.h"
#include "Secrets.h"
#include "ServerDatabase.h"
#include "Uploads.h"

DevServer::DevServer(ServerOptions options, Clock clock, QObject* parent)
    : QObject(parent), options_(std::move(options)), clock_(std::move(clock)) {
    if (!clock_) clock_ = [] { return QDateTime::currentSecsSinceEpoch(); };
}

DevServer::~DevServer() {
    stop();
}

quint16 DevServer::tcpPort() const {
    return protocol_ ? protocol_->port() : 0;
}
quint16 DevServer::httpPort() const {
    return http_ ? http_->httpPort() : 0;
}
quint16 DevServer::webPort() const {
    return http_ ? http_->webPort() : 0;
}

QString DevServer::httpBase() const {
    QString base = QStringLiteral("http://") + options_.host;
    if (httpPort() != 80) base += ':' + QString::number(httpPort());
    return base;
}

QString DevServer::readyLine() const {
    return QStringLiteral("ready tcp=%1 http=%2 web=%3")
        .arg(tcpPort())
        .arg(httpPort())
        .arg(webPort());
}

bool DevServer::start(QString* error) {
    const QHostAddress address(options_.host);
    if (address.isNull()) {
        *error = QStringLiteral("--host must be an IP address: %1").arg(options_.host);
        return false;
    }
    if (!QDir().mkpath(options_.dataDirectory)) {
        *error = QStringLiteral("cannot create %1").arg(options_.dataDirectory);
        return false;
    }
    const QDir data(options_.dataDirectory);
    try {
        database_ = std::make_unique<ServerDatabase>(data.filePath(QStringLiteral("server.db")));
    } catch (const SQLite::Exception& failure) {
        *error = QStringLiteral("cannot open the state: %1").arg(QString::fromUtf8(failure.what()));
        return false;
    }
    accounts_ =
        std::make_unique<Accounts>(*database_, options_.fixedCode, options_.mutedPhones, clock_);
    secrets_ =
        std::make_unique<Secrets>(*database_, *accounts_, clock_, [this] { return httpBase(); });
    uploads_ = std::make_unique<Uploads>(data.filePath(QStringLiteral("uploads")));
    operations_ = std::make_unique<Operations>(*accounts_, *secrets_);
    protocol_ = std::make_unique<ProtocolServer>(*operations_);
    if (!protocol_->listen(address, options_.tcpPort)) {
        *error = QStringLiteral("cannot listen on %1:%2: %3")
                     .arg(options_.host)
                     .arg(options_.tcpPort)
                     .arg(protocol_->errorString());
        return false;
    }
    pages_ = std::make_unique<SecretPage>(database_->path(), [this] { return httpBase(); });
    http_ = std::make_unique<HttpServices>(*uploads_, *pages_);
    if (!http_->start(options_.host, options_.httpPort, options_.webPort, error)) return false;

    if (options_.demo) {
        try {
            DemoWorld demo(*database_, *accounts_, *secrets_, *uploads_, clock_);
            demo.prepare();
            demo.writeAddressBook(data.filePath(QStringLiteral("demo-contacts.vcf")));
        } catch (const SQLite::Exception& failure) {
            *error = QStringLiteral("cannot seed the demo world: %1")
                         .arg(QString::fromUtf8(failure.what()));
            return false;
        }
    }
    return true;
}

void DevServer::stop() {
    if (http_) http_->stop();
    protocol_.reset();
}
