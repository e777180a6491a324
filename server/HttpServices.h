#pragma once

#include <QString>
#include <memory>
#include <thread>

class SecretPage;
class Uploads;
namespace httplib {
class Server;
}

// The two HTTP faces of the server, each on a thread of its own: photo upload and download
// ("/form.cgi", "/download-image.cgi") and the secrets' web pages ("/message/detail").
// Their handlers touch only files and their own database connections.
class HttpServices {
  public:
    HttpServices(const Uploads& uploads, const SecretPage& pages);
    ~HttpServices();

    // Port 0 picks a free port; false with a message when a port cannot be bound.
    bool start(const QString& host, quint16 httpPort, quint16 webPort, QString* error);
    void stop();
    quint16 httpPort() const { return httpPort_; }
    quint16 webPort() const { return webPort_; }

  private:
    void routeUploads();
    void routePages();

    const Uploads& uploads_;
    const SecretPage& pages_;
    std::unique_ptr<httplib::Server> http_;
    std::unique_ptr<httplib::Server> web_;
    std::thread httpThread_;
    std::thread webThread_;
    quint16 httpPort_ = 0;
    quint16 webPort_ = 0;
};
