// An arbitrary reply body through every reply decoder, storing into a scratch database.
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

#include "core/ApplicationHome.h"
#include "model/Feed.h"
#include "wire/FeedListReply.h"
#include "wire/Package.h"

namespace {

void setUpOnce() {
    static bool done = false;
    if (done) return;
    done = true;
    static int argc = 1;
    static char name[] = "fuzz_replies";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    // tmpfs when there is one: the decoders write settings and rows on every input.
    const QString base =
        QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    static QTemporaryDir home(base + QStringLiteral("/xj-fuzz-XXXXXX"));
    ApplicationHome::setPath(home.path());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    setUpOnce();
    if (size == 0) return 0;
    const uint8_t which = data[0] % 10;
    std::vector<uint8_t> bytes(24, 0);  // any header: decoders start at the body
    bytes.insert(bytes.end(), data + 1, data + size);
    Package reply(std::move(bytes));
    Feed shown;
    shown.feedId = 7;
    switch (which) {
        case 0:
            (void)Package::handleRegist(reply, true, 0);
            break;
        case 1:
            (void)Package::handleLogin(reply, 2);
            break;
        case 2:
            (void)Package::handleSupportOrComment(reply, 0);
            break;
        case 3:
            (void)Package::handleCollectFeed(reply, 0);
            break;
        case 4:
            (void)Package::handleFetchNumberOfFriends(reply, 0);
            break;
        case 5:
            (void)FeedListReply::handleTimelinePage(reply);
            break;
        case 6:
            (void)FeedListReply::handleGuideQuestions(reply);
            break;
        case 7:
            (void)FeedListReply::handleCollectedFeeds(reply);
            break;
        case 8:
            (void)FeedListReply::handleFeedDetail(reply, shown);
            break;
        default:
            (void)Package::handleDeleteFeedInMainView(reply, 0);
            break;
    }
    return 0;
}
