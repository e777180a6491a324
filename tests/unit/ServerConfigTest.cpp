#include <gtest/gtest.h>
#include <QCommandLineParser>

#include "net/ServerConfig.h"

TEST(ServerConfig, DefaultsEnvironmentThenCommandLine) {
    ServerConfig config;
    EXPECT_EQ(config.tcpPort, 12010);
    EXPECT_EQ(config.httpBaseUrl(), QStringLiteral("http://127.0.0.1"));
    EXPECT_EQ(config.webBaseUrl(), QStringLiteral("http://127.0.0.1:12015"));

    qputenv("XINGJIAN_SERVER", "10.0.0.9");
    qputenv("XINGJIAN_TCP_PORT", "4000");
    QString error;
    EXPECT_TRUE(config.applyEnvironment(&error));
    qunsetenv("XINGJIAN_SERVER");
    qunsetenv("XINGJIAN_TCP_PORT");
    EXPECT_EQ(config.host, QStringLiteral("10.0.0.9"));
    EXPECT_EQ(config.tcpPort, 4000);

    QCommandLineParser parser;
    ServerConfig::addOptions(parser);
    ASSERT_TRUE(
        parser.parse({QStringLiteral("xingjian"), QStringLiteral("--server"), QStringLiteral("::1"),
                      QStringLiteral("--http-port"), QStringLiteral("8080")}));
    EXPECT_TRUE(config.applyOptions(parser, &error));
    EXPECT_EQ(config.httpBaseUrl(), QStringLiteral("http://[::1]:8080"));
    EXPECT_EQ(config.tcpPort, 4000);
}

TEST(ServerConfig, BadPortsAreRefusedWithAMessage) {
    for (const char* bad : {"0", "65536", "12a", "-1"}) {
        ServerConfig config;
        qputenv("XINGJIAN_WEB_PORT", bad);
        QString error;
        EXPECT_FALSE(config.applyEnvironment(&error)) << bad;
        EXPECT_TRUE(error.contains(QStringLiteral("XINGJIAN_WEB_PORT"))) << bad;
        EXPECT_EQ(config.webPort, 12015) << bad;
    }
    qunsetenv("XINGJIAN_WEB_PORT");
}
