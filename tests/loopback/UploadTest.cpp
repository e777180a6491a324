#include <gtest/gtest.h>
#include <QNetworkReply>

#include "core/MainQueue.h"
#include "net/InvocationManager.h"
#include "net/NetWorkEngine.h"
#include "support/HttpEndpoint.h"
#include "support/Wait.h"

namespace {

struct MultipartPart {
    QByteArray headers;
    QByteArray body;
};

// Splits a multipart/form-data body by the boundary announced in the Content-Type header.
std::vector<MultipartPart> splitMultipart(const QByteArray& contentType, const QByteArray& body) {
    const int at = contentType.indexOf("boundary=");
    QByteArray boundary = contentType.mid(at + 9);
    if (boundary.startsWith('"')) boundary = boundary.mid(1, boundary.size() - 2);
    const QByteArray delimiter = "--" + boundary;
    std::vector<MultipartPart> parts;
    qsizetype pos = body.indexOf(delimiter);
    while (pos >= 0) {
        const qsizetype start = pos + delimiter.size();
        if (body.mid(start, 2) == "--") break;
        const qsizetype next = body.indexOf(delimiter, start);
        if (next < 0) break;
        const QByteArray section = body.mid(start + 2, next - start - 4);  // trim CRLFs
        const qsizetype split = section.indexOf("\r\n\r\n");
        parts.push_back({section.left(split), section.mid(split + 4)});
        pos = next;
    }
    return parts;
}

class UploadTest : public testing::Test {
  protected:
    void SetUp() override { MainQueue::shared().useManualClock(); }

    void upload(const QVariantMap& parameters, const QByteArray& data = "\x89PNG-bytes") {
        engine.postWithData(
            endpoint.url(), data, QStringLiteral("file"), parameters,
            [this](QNetworkReply* operation, const QVariant& json) {
                EXPECT_NE(operation, nullptr);
                succeeded = true;
                result = json;
            },
            [this](QNetworkReply*, const QString& message) {
                failed = true;
                error = message;
            });
    }
    bool finished() const { return succeeded || failed; }

    HttpEndpoint endpoint;
    InvocationManager table;
    NetWorkEngine engine{ServerConfig{}, table};
    bool succeeded = false, failed = false;
    QVariant result;
    QString error;
};

}  // namespace

TEST_F(UploadTest, TextPartsThenTheFilePartAndTheDecodedJson) {
    endpoint.respond(200, "text/html; charset=utf-8", R"({"filename":"a1b2.jpg"})");
    upload({{QStringLiteral("operation"), QStringLiteral("upload_image")},
            {QStringLiteral("fileext"), QStringLiteral("jpg")}});
    ASSERT_TRUE(waitUntil([this] { return finished(); }));
    ASSERT_TRUE(succeeded) << error.toStdString();
    EXPECT_EQ(result.toMap().value(QStringLiteral("filename")).toString(), "a1b2.jpg");

    EXPECT_TRUE(endpoint.requestHead().startsWith("POST /form.cgi "));
    const auto parts = splitMultipart(endpoint.headerValue("Content-Type"), endpoint.requestBody());
    ASSERT_EQ(parts.size(), 3u);
    EXPECT_TRUE(parts[0].headers.contains(R"(name="fileext")"));
    EXPECT_EQ(parts[0].body, "jpg");
    EXPECT_TRUE(parts[1].headers.contains(R"(name="operation")"));
    EXPECT_EQ(parts[1].body, "upload_image");
    EXPECT_TRUE(parts[2].headers.contains(R"(name="file"; filename="file.png")"));
    EXPECT_TRUE(parts[2].headers.toLower().contains("content-type: image/png"));
    EXPECT_EQ(parts[2].body, "\x89PNG-bytes");
}

TEST_F(UploadTest, NoParametersStillCarriesTheFilePart) {
    upload({}, QByteArray("\xFF\xD8\xFF jpeg really", 15));
    ASSERT_TRUE(waitUntil([this] { return finished(); }));
    EXPECT_TRUE(succeeded);
    const auto parts = splitMultipart(endpoint.headerValue("Content-Type"), endpoint.requestBody());
    ASSERT_EQ(parts.size(), 1u);
    EXPECT_TRUE(parts[0].headers.contains(R"(filename="file.png")"));
    EXPECT_TRUE(parts[0].headers.toLower().contains("content-type: image/png"));
}

TEST_F(UploadTest, FailuresReachTheFailureCallback) {
    struct Case {
        int status;
        QByteArray contentType;
        QByteArray body;
        const char* expect;
    };
    const Case cases[] = {
        {500, "application/json", "{}", "HTTP status 500"},
        {404, "text/plain", "{}", "HTTP status 404"},
        {200, "image/png", "{}", "unaccepted content type"},
        {200, "", "{}", "unaccepted content type"},
        {200, "application/json", "{not json", "undecodable JSON"},
        {200, "text/json", "", "undecodable JSON"},
    };
    for (const Case& c : cases) {
        HttpEndpoint local;
        local.respond(c.status, c.contentType, c.body);
        bool ok = false, bad = false;
        QString message;
        engine.postWithData(
            local.url(), "x", QStringLiteral("file"), {},
            [&](QNetworkReply*, const QVariant&) { ok = true; },
            [&](QNetworkReply*, const QString& m) {
                bad = true;
                message = m;
            });
        ASSERT_TRUE(waitUntil([&] { return ok || bad; })) << c.expect;
        EXPECT_TRUE(bad) << c.expect;
        EXPECT_TRUE(message.contains(QString::fromLatin1(c.expect))) << message.toStdString();
    }
}

TEST_F(UploadTest, TransportErrorFails) {
    engine.postWithData(
        QStringLiteral("http://127.0.0.1:1/form.cgi"), "x", QStringLiteral("file"), {},
        [&](QNetworkReply*, const QVariant&) { succeeded = true; },
        [&](QNetworkReply*, const QString& m) {
            failed = true;
            error = m;
        });
    ASSERT_TRUE(waitUntil([this] { return failed; }));
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(UploadTest, SilentServerFailsAfterSixtySecondsOfSimulatedTime) {
    endpoint.silent();
    upload({});
    ASSERT_TRUE(waitUntil([this] { return endpoint.received(); }));
    MainQueue::shared().advance(59.0);
    settle();
    EXPECT_FALSE(finished());
    MainQueue::shared().advance(1.0);
    ASSERT_TRUE(waitUntil([this] { return finished(); }));
    EXPECT_TRUE(failed);
    EXPECT_EQ(error, QStringLiteral("upload timed out"));
}
