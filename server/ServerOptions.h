#pragma once

#include <QString>
#include <QStringList>

// The command line of xingjian-server.
struct ServerOptions {
    QString dataDirectory;
    QString host = QStringLiteral("127.0.0.1");
    quint16 tcpPort = 12010;
    quint16 httpPort = 80;
    quint16 webPort = 12015;
    bool demo = false;
    QString fixedCode;        // verification code to use instead of a random one
    QStringList mutedPhones;  // users who may neither like nor comment

    // False with a message for bad or missing arguments.
    bool parse(const QStringList& arguments, QString* error);
    QString usage() const;
};
