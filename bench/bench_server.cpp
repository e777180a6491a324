// Load client for the development server: timeline pages per second with 10,000 secrets
// stored, for 1 and 16 concurrent clients, and the round-trip latency on loopback.
#include <SQLiteCpp/Transaction.h>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <random>
#include <thread>

#include "Accounts.h"
#include "DevServer.h"
#include "Secrets.h"
#include "ServerDatabase.h"
#include "wire/Package.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Result {
    uint64_t pages = 0;
    std::vector<double> latenciesMicros;
};

std::vector<uint8_t> timelineRequest(int32_t sequence, uint64_t user, const std::string& key,
                                     uint64_t cursor) {
    Package p;
    for (const uint32_t word :
         {0u, Package::kMagic, Package::kVersion, 2u, 3u, static_cast<uint32_t>(sequence)})
        p.appendInt32(word);
    p.lastedFeedsWithUserId(user, key, 0, cursor, 10);
    return p.getData();
}

bool readExactly(int fd, uint8_t* into, std::size_t count) {
    while (count > 0) {
        const ssize_t got = ::recv(fd, into, count, 0);
        if (got <= 0) return false;
        into += got;
        count -= static_cast<std::size_t>(got);
    }
    return true;
}

// One client: requests pages from random cursors until the time is up.
Result runClient(quint16 port, uint64_t user, std::string key, double seconds, uint32_t seed) {
    Result result;
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) return result;
    const int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    std::mt19937 random(seed);
    const auto end = Clock::now() + std::chrono::duration<double>(seconds);
    std::vector<uint8_t> reply(1 << 16);
    for (int32_t sequence = 1; Clock::now() < end; ++sequence) {
        const auto request = timelineRequest(sequence, user, key, random() % 9990);
        const auto start = Clock::now();
        if (::send(fd, request.data(), request.size(), MSG_NOSIGNAL) < 0) break;
        if (!readExactly(fd, reply.data(), 4)) break;
        const uint32_t length = Package::lengthWordOf({reply.data(), 4});
        if (length + 4 > reply.size()) reply.resize(length + 4);
        if (!readExactly(fd, reply.data() + 4, length)) break;
        result.latenciesMicros.push_back(
            std::chrono::duration<double, std::micro>(Clock::now() - start).count());
        ++result.pages;
    }
    ::close(fd);
    return result;
}

double percentile(std::vector<double> values, double p) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1,
                           static_cast<std::size_t>(p * static_cast<double>(values.size())))];
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const double seconds = argc > 1 ? std::atof(argv[1]) : 5.0;
    QTemporaryDir data;
    ServerOptions options;
    QString error;
    options.parse({QStringLiteral("bench"), QStringLiteral("--data"), data.path(),
                   QStringLiteral("--tcp-port"), QStringLiteral("0"), QStringLiteral("--http-port"),
                   QStringLiteral("0"), QStringLiteral("--web-port"), QStringLiteral("0")},
                  &error);
    DevServer server(options);
    if (!server.start(&error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }

    // 16 readers, each with 4 friends among 40 writers; 10,000 secrets, a third of them liked.
    Accounts& accounts = server.accounts();
    Secrets& secrets = server.secrets();
    std::vector<std::pair<uint64_t, std::string>> readers;
    {
        SQLite::Transaction transaction(server.database().db());
        std::vector<uint64_t> writers;
        for (int i = 0; i < 40; ++i)
            writers.push_back(accounts.createUser(QStringLiteral("1380000%1").arg(1000 + i),
                                                  QStringLiteral("x")));
        for (int r = 0; r < 16; ++r) {
            const uint64_t id =
                accounts.createUser(QStringLiteral("1390000%1").arg(1000 + r), QStringLiteral("x"));
            QString book = QStringLiteral("[");
            for (int f = 0; f < 4; ++f)
                book += QStringLiteral("{\"name\":\"x\",\"phone\":\"1380000%1\"},")
                            .arg(1000 + (r * 4 + f) % 40);
            book.chop(1);
            accounts.storeContacts(id, book + ']');
            readers.emplace_back(
                id, accounts.signIn(QStringLiteral("1390000%1").arg(1000 + r), QStringLiteral("x"))
                        .userKey.toStdString());
        }
        std::mt19937 random(7);
        for (int s = 0; s < 10'000; ++s) {
            const uint64_t secret =
                secrets
                    .publish(writers[random() % writers.size()], QString(),
                             QStringLiteral(
                                 "{\"content\":\"第%1个秘密，说给朋友们听\",\"img\":\"id:%2\"}")
                                 .arg(s)
                                 .arg(s % 12))
                    .second;
            if (s % 3 == 0) secrets.act(writers[random() % writers.size()], secret, 0, 1, {});
        }
        transaction.commit();
    }

    std::printf("timeline pages with 10,000 secrets stored, %.0f s per run\n", seconds);
    std::printf("%8s %14s %12s %12s\n", "clients", "pages/s", "p50 (us)", "p99 (us)");
    for (const int clients : {1, 16}) {
        std::vector<Result> results(static_cast<std::size_t>(clients));
        std::vector<std::thread> threads;
        std::atomic<int> done{0};
        const auto start = Clock::now();
        for (int c = 0; c < clients; ++c) {
            threads.emplace_back([&, c] {
                const auto& [user, key] = readers[static_cast<std::size_t>(c)];
                results[static_cast<std::size_t>(c)] =
                    runClient(server.tcpPort(), user, key, seconds, static_cast<uint32_t>(c + 1));
                ++done;
            });
        }
        while (done < clients)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        for (std::thread& thread : threads)
            thread.join();
        const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
        uint64_t pages = 0;
        std::vector<double> latencies;
        for (const Result& r : results) {
            pages += r.pages;
            latencies.insert(latencies.end(), r.latenciesMicros.begin(), r.latenciesMicros.end());
        }
        std::printf("%8d %14.0f %12.0f %12.0f\n", clients, static_cast<double>(pages) / elapsed,
                    percentile(latencies, 0.50), percentile(latencies, 0.99));
    }
    server.stop();
    return 0;
}
