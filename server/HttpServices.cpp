#include "HttpServices.h"

#include <httplib.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <chrono>

#include "SecretPage.h"
#include "Uploads.h"

namespace {

void replyJson(httplib::Response& response, int status, const QJsonObject& object) {
    response.status = status;
    response.set_content(QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString(),
                         "application/json");
}

void replyError(httplib::Response& response, int status, const QString& message) {
    replyJson(response, status, {{QStringLiteral("error"), message}});
}

// The field's text, whether it came as a form field or a file part.
QString formValue(const httplib::Request& request, const char* name) {
    if (!request.has_file(name)) return {};
    return QString::fromStdString(request.get_file_value(name).content);
}

bool bindServer(httplib::Server& server, const QString& host, quint16 wanted, quint16* bound) {
    if (wanted == 0) {
        const int port = server.bind_to_any_port(host.toStdString());
        if (port <= 0) return false;
        *bound = static_cast<quint16>(port);
        return true;
    }
    *bound = wanted;
    return server.bind_to_port(host.toStdString(), wanted);
}

}  // namespace

HttpServices::HttpServices(const Uploads& uploads, const SecretPage& pages)
    : uploads_(uploads),
      pages_(pages),
      http_(std::make_unique<httplib::Server>()),
      web_(std::make_unique<httplib::Server>()) {
    routeUploads();
    routePages();
}

HttpServices::~HttpServices() {
    stop();
}

void HttpServices::routeUploads() {
    http_->set_payload_max_length(Uploads::kMaxBytes + (1 << 20));
    http_->Post("/form.cgi", [this](const httplib::Request& request, httplib::Response& response) {
        if (!request.is_multipart_form_data())
            return replyError(response, 400, QStringLiteral("expected a multipart form"));
        if (formValue(request, "operation") != QStringLiteral("upload_image"))
            return replyError(response, 400, QStringLiteral("unknown operation"));
        if (!request.has_file("file"))
            return replyError(response, 400, QStringLiteral("no file part"));
        const std::string& bytes = request.get_file_value("file").content;
        QString error;
        const std::optional<QString> name =
            uploads_.store(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), &error);
        if (!name) return replyError(response, 400, error);
        replyJson(response, 200, {{QStringLiteral("filename"), *name}});
    });
    http_->Get("/download-image.cgi", [this](const httplib::Request& request,
                                             httplib::Response& response) {
        // The whole query string is the name.
        const auto mark = request.target.find('?');
        const QString name = mark == std::string::npos
                                 ? QString()
                                 : QString::fromStdString(request.target.substr(mark + 1));
        const auto image = uploads_.load(name);
        if (!image) {
            response.status = 404;
            response.set_content("not found", "text/plain");
            return;
        }
        response.set_content(image->first.toStdString(), image->second.toStdString());
    });
    http_->set_payload_max_length(Uploads::kMaxBytes + (1 << 20));
}

void HttpServices::routePages() {
    // The app's own download page, which invitations link to.
    web_->Get("/download", [](const httplib::Request&, httplib::Response& response) {
        response.set_content(
            "<!DOCTYPE html><html lang=\"zh-CN\"><meta charset=\"utf-8\">"
            "<meta name=\"viewport\" content=\"width=device-width\"><title>下载星笺</title>"
            "<body style=\"font-family:sans-serif;text-align:center;color:#D0246C\">"
            "<h1>星笺</h1><p>女生专属的秘密交流地，和闺蜜一起玩吧。</p></body></html>",
            "text/html; charset=utf-8");
    });
    web_->Get("/message/detail",
              [this](const httplib::Request& request, httplib::Response& response) {
                  static const QRegularExpression decimal(QStringLiteral("^[0-9]{1,20}$"));
                  const QString from = QString::fromStdString(request.get_param_value("from"));
                  const QString id = QString::fromStdString(request.get_param_value("id"));
                  bool ok = false;
                  const uint64_t secret = id.toULongLong(&ok);
                  std::optional<QString> page;
                  if ((from == QStringLiteral("wx") || from == QStringLiteral("wb")) &&
                      decimal.match(id).hasMatch() && ok)
                      page = pages_.render(secret);
                  if (!page) {
                      response.status = 404;
                      response.set_content(
                          "<!DOCTYPE html><html lang=\"zh-CN\"><meta charset=\"utf-8\">"
                          "<title>星笺</title><p>这个秘密不存在。</p></html>",
                          "text/html; charset=utf-8");
                      return;
                  }
                  response.set_content(page->toStdString(), "text/html; charset=utf-8");
              });
}

bool HttpServices::start(const QString& host, quint16 httpPort, quint16 webPort, QString* error) {
    if (!bindServer(*http_, host, httpPort, &httpPort_)) {
        *error = QStringLiteral("cannot listen for HTTP on %1:%2").arg(host).arg(httpPort);
        return false;
    }
    if (!bindServer(*web_, host, webPort, &webPort_)) {
        *error = QStringLiteral("cannot listen for web pages on %1:%2").arg(host).arg(webPort);
        return false;
    }
    httpThread_ = std::thread([this] { http_->listen_after_bind(); });
    webThread_ = std::thread([this] { web_->listen_after_bind(); });
    // A stop() that comes before a server runs would be lost and its thread never end.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while ((!http_->is_running() || !web_->is_running()) &&
           std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    if (!http_->is_running() || !web_->is_running()) {
        *error = QStringLiteral("the HTTP servers did not start");
        stop();
        return false;
    }
    return true;
}

void HttpServices::stop() {
    http_->stop();
    web_->stop();
    if (httpThread_.joinable()) httpThread_.join();
    if (webThread_.joinable()) webThread_.join();
}
