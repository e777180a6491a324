#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <QWidget>
#include <cstdio>

#include "app/AppDelegate.h"
#include "core/ApplicationHome.h"
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
    const QCommandLineOption home(QStringLiteral("home"),
                                  QStringLiteral("Keep the app's files in this folder."),
                                  QStringLiteral("dir"));
    parser.addOption(home);
    parser.process(app);

    QString error;
    ServerConfig& config = ServerConfig::current();
    if (!config.applyEnvironment(&error) || !config.applyOptions(parser, &error)) {
        std::fprintf(stderr, "xingjian: %s\n", qPrintable(error));
        return 2;
    }

    if (parser.isSet(home)) ApplicationHome::setPath(parser.value(home));

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
