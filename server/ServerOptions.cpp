#include "ServerOptions.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace {

bool port(const QCommandLineParser& parser, const QString& name, quint16* value, QString* error) {
    if (!parser.isSet(name)) return true;
    bool ok = false;
    const uint number = parser.value(name).toUInt(&ok);
    if (!ok || number > 65535) {
        *error = QStringLiteral("--%1: not a port number: %2").arg(name, parser.value(name));
        return false;
    }
    *value = static_cast<quint16>(number);  // 0 picks a free port
    return true;
}

}  // namespace

QString ServerOptions::usage() const {
    return QStringLiteral(
        "usage: xingjian-server --data DIR [--host 127.0.0.1] [--tcp-port 12010] "
        "[--http-port 80] [--web-port 12015] [--demo] [--fixed-code CODE] [--mute PHONE]...");
}

bool ServerOptions::parse(const QStringList& arguments, QString* error) {
    QCommandLineParser parser;
    parser.addOptions({
        {QStringLiteral("data"), QStringLiteral("State folder."), QStringLiteral("dir")},
        {QStringLiteral("host"), QStringLiteral("Address to listen on."), QStringLiteral("host")},
        {QStringLiteral("tcp-port"), QStringLiteral("Wire protocol port."), QStringLiteral("port")},
        {QStringLiteral("http-port"), QStringLiteral("Upload/download port."),
         QStringLiteral("port")},
        {QStringLiteral("web-port"), QStringLiteral("Secret pages port."), QStringLiteral("port")},
        {QStringLiteral("demo"), QStringLiteral("Seed and keep alive the demo world.")},
        {QStringLiteral("fixed-code"), QStringLiteral("Verification code to use."),
         QStringLiteral("code")},
        {QStringLiteral("mute"), QStringLiteral("A muted user's phone."), QStringLiteral("phone")},
    });
    if (!parser.parse(arguments)) {
        *error = parser.errorText();
        return false;
    }
    if (!parser.positionalArguments().isEmpty()) {
        *error =
            QStringLiteral("unexpected argument: %1").arg(parser.positionalArguments().first());
        return false;
    }
    dataDirectory = parser.value(QStringLiteral("data"));
    if (dataDirectory.isEmpty()) {
        *error = QStringLiteral("--data is required");
        return false;
    }
    if (parser.isSet(QStringLiteral("host"))) host = parser.value(QStringLiteral("host"));
    if (!port(parser, QStringLiteral("tcp-port"), &tcpPort, error) ||
        !port(parser, QStringLiteral("http-port"), &httpPort, error) ||
        !port(parser, QStringLiteral("web-port"), &webPort, error))
        return false;
    demo = parser.isSet(QStringLiteral("demo"));
    fixedCode = parser.value(QStringLiteral("fixed-code"));
    if (fixedCode.isEmpty() && demo) fixedCode = QStringLiteral("1234");
    static const QRegularExpression fourDigits(QStringLiteral("^[0-9]{4}$"));
    if (!fixedCode.isEmpty() && !fourDigits.match(fixedCode).hasMatch()) {
        *error = QStringLiteral("--fixed-code must be four digits");
        return false;
    }
    mutedPhones = parser.values(QStringLiteral("mute"));
    return true;
}
