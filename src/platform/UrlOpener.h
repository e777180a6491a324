#pragma once

#include <QUrl>
#include <functional>
#include <vector>

// Hands a URL to the desktop (a browser, a mail or text-message program): what the phone does
// when an app opens the app store or another app. Every URL is kept, so tests can read them;
// tests install a handler instead of the desktop.
class UrlOpener {
  public:
    using Handler = std::function<bool(const QUrl& url)>;

    static bool openURL(const QUrl& url);
    static void setHandler(Handler handler);
    static const std::vector<QUrl>& openedUrls();
    static void clearOpenedUrls();
};
