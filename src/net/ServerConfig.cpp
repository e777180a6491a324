#include "net/ServerConfig.h"

#include <QCommandLineParser>
#include <QHostAddress>
#include <array>

namespace {

struct PortSetting {
    const char* option;
    const char* variable;
    quint16 ServerConfig::*field;
};

constexpr std::array<PortSetting, 3> kPorts{{
    {"tcp-port", "XINGJIAN_TCP_PORT", &ServerConfig::tcpPort},
    {"http-port", "XINGJIAN_HTTP_PORT", &ServerConfig::httpPort},
    {"web-port", "XINGJIAN_WEB_PORT", &ServerConfig::webPort},
}};

bool parsePort(const QString& text, const char* name, quint16* port, QString* error) {
    bool ok = false;
    const uint value = text.toUInt(&ok);
    if (!ok || value == 0 || value > 65535) {
        if (error) *error = QStringLiteral("%1: not a port number: %2").arg(name, text);
        return false;
    }
    *port = static_cast<quint16>(value);
    return true;
}

QString baseUrl(const QString& host, quint16 port) {
    // An IPv6 literal needs brackets in a URL.
    const bool ipv6 = QHostAddress(host).protocol() == QAbstractSocket::IPv6Protocol;
    QString url = QStringLiteral("http://") + (ipv6 ? '[' + host + ']' : host);
    if (port != 80) url += ':' + QString::number(port);
    return url;
}

}  // namespace

ServerConfig& ServerConfig::current() {
    static ServerConfig config;
    return config;
}

QString ServerConfig::httpBaseUrl() const {
    return baseUrl(host, httpPort);
}
QString ServerConfig::webBaseUrl() const {
    return baseUrl(host, webPort);
}

QString ServerConfig::storePageUrl() const {
    return storePageUrlOverride.isEmpty() ? webBaseUrl() + QStringLiteral("/download")
                                          : storePageUrlOverride;
}

void ServerConfig::addOptions(QCommandLineParser& parser) {
    parser.addOption(
        {QStringLiteral("server"), QStringLiteral("Server address."), QStringLiteral("host")});
    for (const PortSetting& port : kPorts) {
        parser.addOption({QString::fromLatin1(port.option),
                          QStringLiteral("Server %1.").arg(QString::fromLatin1(port.option)),
                          QStringLiteral("port")});
    }
}

bool ServerConfig::applyEnvironment(QString* error) {
    const QString server = qEnvironmentVariable("XINGJIAN_SERVER");
    if (!server.isEmpty()) host = server;
    for (const PortSetting& port : kPorts) {
        const QString value = qEnvironmentVariable(port.variable);
        if (!value.isEmpty() && !parsePort(value, port.variable, &(this->*port.field), error))
            return false;
    }
    return true;
}

bool ServerConfig::applyOptions(const QCommandLineParser& parser, QString* error) {
    if (parser.isSet(QStringLiteral("server"))) host = parser.value(QStringLiteral("server"));
    for (const PortSetting& port : kPorts) {
        const QString name = QString::fromLatin1(port.option);
        if (parser.isSet(name) &&
            !parsePort(parser.value(name), port.option, &(this->*port.field), error))
            return false;
    }
    return true;
}
