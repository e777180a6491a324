// xingjian-server: the development server of 星笺.
#include <unistd.h>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>

#include "DevServer.h"
#include "ServerOptions.h"

namespace {

int gSignalPipe[2] = {-1, -1};

void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(gSignalPipe[1], &byte, 1);
}

}  // namespace

int main(int argc, char* argv[]) {
    // Gui for decoding uploaded images and drawing the demo photos; never a window.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ServerOptions options;
    QString error;
    if (!options.parse(QCoreApplication::arguments(), &error)) {
        std::fprintf(stderr, "xingjian-server: %s\n%s\n", qPrintable(error),
                     qPrintable(options.usage()));
        return 2;
    }

    // SIGINT/SIGTERM end the event loop from a pipe, so shutdown runs on the main thread.
    if (::pipe(gSignalPipe) != 0) return 1;
    QSocketNotifier notifier(gSignalPipe[0], QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, &app,
                     [] { QCoreApplication::quit(); });
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    std::signal(SIGPIPE, SIG_IGN);

    DevServer server(options);
    if (!server.start(&error)) {
        std::fprintf(stderr, "xingjian-server: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("%s\n", qPrintable(server.readyLine()));
    std::fflush(stdout);
    const int code = QCoreApplication::exec();
    server.stop();
    std::fprintf(stderr, "xingjian-server: stopped\n");
    return code;
}
