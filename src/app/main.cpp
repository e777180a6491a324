#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTimer>
#include <cstdio>

#include "app/AppDelegate.h"
#include "app/PlatformSetup.h"
#include "app/StartupProbe.h"
#include "app/Tour.h"
#include "core/ApplicationHome.h"
#include "core/MainQueue.h"
#include "net/ServerConfig.h"
#include "platform/PushNotifications.h"
#include "toolkit/PhoneWindow.h"

namespace {

struct Options {
    QCommandLineOption screenshot{QStringLiteral("screenshot"),
                                  QStringLiteral("Save the first frame as PNG and quit."),
                                  QStringLiteral("file")};
    QCommandLineOption home{QStringLiteral("home"),
                            QStringLiteral("Keep the app's files in this folder."),
                            QStringLiteral("dir")};
    QCommandLineOption contacts{QStringLiteral("contacts"),
                                QStringLiteral("The address book: a vCard file."),
                                QStringLiteral("file")};
    QCommandLineOption apnsToken{QStringLiteral("apns-token"),
                                 QStringLiteral("Deliver this push device token (hex)."),
                                 QStringLiteral("hex")};
    QCommandLineOption push{QStringLiteral("push"),
                            QStringLiteral("Hand a notification payload (JSON) to the running "
                                           "app of the home, and quit."),
                            QStringLiteral("json")};
    QCommandLineOption openUrl{QStringLiteral("open-url"),
                               QStringLiteral("Hand a URL back to the running app of the home, "
                                              "and quit."),
                               QStringLiteral("url")};
    QCommandLineOption tour{QStringLiteral("tour"),
                            QStringLiteral("Walk through the app's flows, saving a picture of "
                                           "every screen and tour.log into this folder."),
                            QStringLiteral("dir")};
    QCommandLineOption startupProbe{
        QStringLiteral("startup-probe"),
        QStringLiteral("Print the time of the first painted frame and the memory, and quit.")};

    void addTo(QCommandLineParser& parser) const {
        for (const QCommandLineOption* option :
             {&screenshot, &home, &contacts, &apnsToken, &push, &openUrl, &tour, &startupProbe})
            parser.addOption(*option);
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    StartupProbe::markProcessStart();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("xingjian"));
    QApplication::setApplicationVersion(QStringLiteral(XJ_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("星笺"));
    parser.addHelpOption();
    ServerConfig::addOptions(parser);
    const Options options;
    options.addTo(parser);
    parser.process(app);

    QString error;
    ServerConfig& config = ServerConfig::current();
    if (!config.applyEnvironment(&error) || !config.applyOptions(parser, &error)) {
        std::fprintf(stderr, "xingjian: %s\n", qPrintable(error));
        return 2;
    }
    if (parser.isSet(options.home)) ApplicationHome::setPath(parser.value(options.home));

    // Deliveries to an app that is already running.
    if (parser.isSet(options.push) || parser.isSet(options.openUrl)) {
        const QString home = ApplicationHome::path();
        const bool delivered =
            parser.isSet(options.push)
                ? PushNotifications::send(home, parser.value(options.push).toUtf8())
                : PushNotifications::sendURL(home, QUrl(parser.value(options.openUrl)));
        if (!delivered) std::fprintf(stderr, "xingjian: no running app took it\n");
        return delivered ? 0 : 1;
    }

    PlatformSetup::installAddressBook(parser.value(options.contacts));
    AppDelegate delegate;
    PlatformSetup::connectDelegate(delegate);
    delegate.didFinishLaunchingWithOptions();
    PushNotifications::shared().listen(ApplicationHome::path());
    if (parser.isSet(options.apnsToken)) {
        const QString token = parser.value(options.apnsToken);
        MainQueue::shared().after(0, [token] { PushNotifications::shared().deliverToken(token); });
    }

    if (parser.isSet(options.startupProbe)) StartupProbe::reportFirstPaint(delegate.window());
    if (parser.isSet(options.screenshot)) {
        const QString file = parser.value(options.screenshot);
        QTimer::singleShot(0, &app, [&delegate, file] {
            const bool saved = delegate.window()->grab().save(file);
            QApplication::exit(saved ? 0 : 1);
        });
    }
    std::unique_ptr<Tour> tour;
    if (parser.isSet(options.tour)) {
        tour = std::make_unique<Tour>(delegate, QDir(parser.value(options.tour)));
        QObject::connect(tour.get(), &Tour::finished, &app,
                         [](bool passed) { QApplication::exit(passed ? 0 : 1); });
        tour->start();
    }
    return QApplication::exec();
}
