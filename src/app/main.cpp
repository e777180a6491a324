#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <QWidget>
#include <cstdio>

#include "app/AppDelegate.h"
#include "net/ServerConfig.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("xingjian"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("星笺"));
    parser.addHelpOption();
    ServerConfig::addOptions(parser);
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Save the first frame as PNG and quit."),
                                        QStringLiteral("file"));
    parser.addOption(screenshot);
    parser.process(app);

    QString error;
    ServerConfig& config = ServerConfig::current();
    if (!config.applyEnvironment(&error) || !config.applyOptions(parser, &error)) {
        std::fprintf(stderr, "xingjian: %s\n", qPrintable(error));
        return 2;
    }

    AppDelegate delegate;
    delegate.didFinishLaunching();

    if (parser.isSet(screenshot)) {
        const QString file = parser.value(screenshot);
        QTimer::singleShot(0, &app, [&delegate, file] {
            const bool saved = delegate.window()->grab().save(file);
            QApplication::exit(saved ? 0 : 1);
        });
    }
    return QApplication::exec();
}
