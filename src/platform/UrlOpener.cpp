#include "platform/UrlOpener.h"

#include <QDesktopServices>

namespace {
struct State {
    UrlOpener::Handler handler;
    std::vector<QUrl> opened;
};
State& state() {
    static State instance;
    return instance;
}
}  // namespace

bool UrlOpener::openURL(const QUrl& url) {
    if (!url.isValid()) return false;
    state().opened.push_back(url);
    if (state().handler) return state().handler(url);
    return QDesktopServices::openUrl(url);
}

void UrlOpener::setHandler(Handler handler) { state().handler = std::move(handler); }
const std::vector<QUrl>& UrlOpener::openedUrls() { return state().opened; }
void UrlOpener::clearOpenedUrls() { state().opened.clear(); }
