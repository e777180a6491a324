#pragma once

#include <QString>

class QCommandLineParser;

// Where the one server lives. Compiled-in defaults, overridden by the environment
// (XINGJIAN_SERVER, XINGJIAN_TCP_PORT, XINGJIAN_HTTP_PORT, XINGJIAN_WEB_PORT) and then by
// the command line (--server, --tcp-port, --http-port, --web-port).
struct ServerConfig {
    QString host = QStringLiteral("127.0.0.1");
    quint16 tcpPort = 12010;
    quint16 httpPort = 80;
    quint16 webPort = 12015;
    // The app's own download page, which invitations link to: the web server's "/download"
    // unless configured.
    QString storePageUrlOverride;
    QString storePageUrl() const;

    static ServerConfig& current();

    // "http://host" with ":port" unless the port is 80.
    QString httpBaseUrl() const;
    QString webBaseUrl() const;

    static void addOptions(QCommandLineParser& parser);
    // False (with a message) for a port that is not a number from 1 to 65535.
    bool applyEnvironment(QString* error);
    bool applyOptions(const QCommandLineParser& parser, QString* error);
};
