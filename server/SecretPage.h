#pragma once

#include <QString>
#include <functional>
#include <optional>

// The web page of one shared secret, read from the server's database file with a connection
// of its own (the page is served from the HTTP server's threads).
class SecretPage {
  public:
    // httpBase is called from the HTTP threads: it must only read what no longer changes.
    SecretPage(QString databasePath, std::function<QString()> httpBase);

    // The HTML of the secret, or nothing when there is no such secret.
    std::optional<QString> render(uint64_t secretId) const;

    static QString escape(const QString& text);
    // The background colour standing in for one of the app's twelve background pictures.
    static QString backgroundColour(int index);

  private:
    QString databasePath_;
    std::function<QString()> httpBase_;
};
