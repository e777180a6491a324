#include <httplib.h>

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>

#include "SecretPage.h"
#include "ServerFixture.h"

namespace {

class ServerHttp : public ServerFixture {
  protected:
    httplib::Client http() { return httplib::Client("127.0.0.1", server->httpPort()); }
    httplib::Client web() { return httplib::Client("127.0.0.1", server->webPort()); }

    static std::string image(const char* format) {
        QImage picture(64, 48, QImage::Format_RGB32);
        picture.fill(QColor(0xD0, 0x24, 0x6C));
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, format);
        return bytes.toStdString();
    }

    httplib::Result upload(const std::string& bytes,
                           const std::string& operation = "upload_image") {
        const httplib::MultipartFormDataItems form{{"operation", operation, "", ""},
                                                   {"fileext", "png", "", ""},
                                                   {"file", bytes, "file.png", "image/png"}};
        return http().Post("/form.cgi", form);
    }

    int storedFiles() const {
        return static_cast<int>(
            QDir(data.path() + QStringLiteral("/uploads")).entryList(QDir::Files).size());
    }
};

}  // namespace

TEST_F(ServerHttp, UploadedImagesComeBackWithTheirRealType) {
    for (const auto& [format, type] :
         {std::pair{"PNG", "image/png"}, std::pair{"JPEG", "image/jpeg"}}) {
        const std::string bytes = image(format);
        auto result = upload(bytes);
        ASSERT_TRUE(result) << format;
        ASSERT_EQ(result->status, 200) << result->body;
        const QString name = QJsonDocument::fromJson(QByteArray::fromStdString(result->body))
                                 .object()
                                 .value(QStringLiteral("filename"))
                                 .toString();
        ASSERT_FALSE(name.isEmpty());
        auto download = http().Get(("/download-image.cgi?" + name).toStdString());
        ASSERT_TRUE(download);
        EXPECT_EQ(download->status, 200);
        EXPECT_EQ(download->get_header_value("Content-Type"), type);
        EXPECT_EQ(download->body, bytes);
    }
}

TEST_F(ServerHttp, AnythingButARealImageIsRefusedAndNothingStored) {
    std::string truncatedPng = image("PNG");
    truncatedPng.resize(40);
    const std::string bigJpeg = "\xFF\xD8\xFF" + std::string(10 << 20, 'x');
    for (const auto& [name, bytes, operation] :
         std::vector<std::tuple<const char*, std::string, std::string>>{
             {"text", "hello", "upload_image"},
             {"pngHeaderOnly", truncatedPng, "upload_image"},
             {"tooLarge", bigJpeg, "upload_image"},
             {"wrongOperation", image("PNG"), "delete_everything"}}) {
        auto result = upload(bytes, operation);
        ASSERT_TRUE(result) << name;
        EXPECT_GE(result->status, 400) << name;
        EXPECT_TRUE(QJsonDocument::fromJson(QByteArray::fromStdString(result->body))
                        .object()
                        .contains("error"))
            << name << ": " << result->body;
    }
    EXPECT_EQ(storedFiles(), 0);
}

TEST_F(ServerHttp, NamesNeverReachOutsideTheUploads) {
    ASSERT_EQ(upload(image("PNG"))->status, 200);
    for (const char* target :
         {"/download-image.cgi?../server.db", "/download-image.cgi?%2e%2e%2fserver.db",
          "/download-image.cgi?/etc/passwd", "/download-image.cgi?", "/download-image.cgi",
          "/download-image.cgi?0123456789abcdef0123456789abcdef.png", "/server.db"}) {
        auto result = http().Get(target);
        ASSERT_TRUE(result) << target;
        EXPECT_EQ(result->status, 404) << target;
    }
}

TEST_F(ServerHttp, SecretPagesEscapeEveryText) {
    const Session me = signUp(QStringLiteral("13800000001"));
    const uint64_t secret =
        publish(me, QStringLiteral("<script>alert(1)</script> & \\\"引号\\\" %4 'x'"));
    auto page = web().Get(("/message/detail?from=wx&id=" + std::to_string(secret)).c_str());
    ASSERT_TRUE(page);
    ASSERT_EQ(page->status, 200);
    EXPECT_NE(page->get_header_value("Content-Type").find("text/html"), std::string::npos);
    EXPECT_EQ(page->body.find("<script>"), std::string::npos);
    EXPECT_NE(page->body.find(
                  "&lt;script&gt;alert(1)&lt;/script&gt; &amp; &quot;引号&quot; %4 &#39;x&#39;"),
              std::string::npos)
        << page->body;
    EXPECT_NE(page->body.find("赞 0"), std::string::npos);
    auto weibo = web().Get(("/message/detail?from=wb&id=" + std::to_string(secret)).c_str());
    EXPECT_EQ(weibo->status, 200);
    for (const std::string target :
         {"/message/detail?from=wx&id=999", "/message/detail?from=qq&id=1",
          "/message/detail?from=wx&id=abc", "/message/detail?from=wx"}) {
        auto missing = web().Get(target.c_str());
        ASSERT_TRUE(missing);
        EXPECT_EQ(missing->status, 404) << target;
    }
}

TEST_F(ServerHttp, InvitationsLinkToADownloadPage) {
    auto page = web().Get("/download");
    ASSERT_TRUE(page);
    EXPECT_EQ(page->status, 200);
    EXPECT_NE(page->body.find("星笺"), std::string::npos);
    EXPECT_EQ(page->get_header_value("Content-Type"), "text/html; charset=utf-8");
}
