#include <gtest/gtest.h>
#include <QBuffer>
#include <QTemporaryDir>

#include "core/MainQueue.h"
#include "support/HttpEndpoint.h"
#include "support/Wait.h"
#include "toolkit/ActivityIndicator.h"
#include "toolkit/RemoteImageLoader.h"
#include "toolkit/RemoteImageView.h"

namespace {

QByteArray png(int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

class RemoteImageViewTest : public testing::Test {
  protected:
    void SetUp() override {
        MainQueue::shared().useManualClock();
        RemoteImageLoader::shared().setCacheDirectory(cache.path());
        placeholder.fill(Qt::lightGray);
        view.setPlaceholderImage(placeholder);
        view.resize(320, 320);
    }
    QTemporaryDir cache;
    QImage placeholder{8, 8, QImage::Format_RGB32};
    RemoteImageView view;
};

}  // namespace

TEST_F(RemoteImageViewTest, ShowsThePictureOnceItArrivesAndTellsTheDelegate) {
    HttpEndpoint server;
    server.respond(200, "image/png", png(640, 480, Qt::red));
    int loaded = 0;
    view.imageLoadedBlock = [&](RemoteImageView*, const QImage&) { ++loaded; };
    view.setImageURL(QUrl(server.url(QStringLiteral("/download-image.cgi?a.png"))));
    EXPECT_TRUE(view.isShowingPlaceholder());
    EXPECT_TRUE(view.indicator()->isAnimating());
    EXPECT_EQ(view.indicator()->geometry(), QRect(150, 150, 20, 20));
    ASSERT_TRUE(waitUntil([&] { return loaded == 1; }));
    EXPECT_FALSE(view.isShowingPlaceholder());
    EXPECT_EQ(view.image().size(), QSize(640, 480));
    EXPECT_EQ(view.image().pixelColor(0, 0), QColor(Qt::red));
    EXPECT_FALSE(view.indicator()->isVisible());

    RemoteImageView again;  // a second view of the same address: from memory, no request
    again.setImageURL(QUrl(server.url(QStringLiteral("/download-image.cgi?a.png"))));
    EXPECT_FALSE(again.isShowingPlaceholder());
    EXPECT_EQ(server.requests(), 1);
}

TEST_F(RemoteImageViewTest, FailuresAndNoAddressShowThePlaceholder) {
    HttpEndpoint missing;
    missing.respond(404, "text/plain", "not found");
    HttpEndpoint bogus;
    bogus.respond(200, "image/png", "not an image at all");
    HttpEndpoint huge;  // a PNG header that claims 100000 × 100000 pixels
    QByteArray bomb = png(1, 1, Qt::blue);
    bomb.replace(16, 8, QByteArray::fromHex("000186a0000186a0"));
    huge.respond(200, "image/png", bomb);
    for (HttpEndpoint* server : {&missing, &bogus, &huge}) {
        view.setImageURL(QUrl(server->url(QStringLiteral("/x.png"))));
        ASSERT_TRUE(waitUntil([&] { return !view.indicator()->isAnimating(); }));
        EXPECT_TRUE(view.isShowingPlaceholder());
        EXPECT_EQ(view.image(), placeholder);
    }
    view.setImageURL(QUrl());
    EXPECT_TRUE(view.imageURL().isEmpty());
    EXPECT_TRUE(view.isShowingPlaceholder());
    view.setImageURL(QUrl(QStringLiteral("file:///etc/passwd")));
    EXPECT_TRUE(view.isShowingPlaceholder()) << "only http(s) addresses are fetched";
}

TEST_F(RemoteImageViewTest, AReusedViewShowsOnlyItsLatestPicture) {
    HttpEndpoint first, second;
    first.respond(200, "image/png", png(10, 10, Qt::red));
    second.respond(200, "image/png", png(10, 10, Qt::green));
    view.setImageURL(QUrl(first.url(QStringLiteral("/1.png"))));
    view.setImageURL(QUrl(second.url(QStringLiteral("/2.png"))));
    ASSERT_TRUE(waitUntil([&] { return !view.isShowingPlaceholder(); }));
    waitUntil([&] { return first.requests() == 1; }, 2000);
    settle();
    EXPECT_EQ(view.image().pixelColor(0, 0), QColor(Qt::green));
}

TEST_F(RemoteImageViewTest, ASilentServerTimesOutOnTheClock) {
    HttpEndpoint silent;
    silent.silent();
    view.setImageURL(QUrl(silent.url(QStringLiteral("/slow.png"))));
    ASSERT_TRUE(waitUntil([&] { return silent.received(); }));
    MainQueue::shared().advance(RemoteImageLoader::kTimeout);
    ASSERT_TRUE(waitUntil([&] { return !view.indicator()->isAnimating(); }));
    EXPECT_TRUE(view.isShowingPlaceholder());
}

TEST(RemoteImageLoader, LargePicturesAreDecodedScaledDown) {
    QImage big(3000, 1500, QImage::Format_RGB32);
    big.fill(Qt::white);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    big.save(&buffer, "JPEG");
    EXPECT_EQ(RemoteImageLoader::decode(bytes).size(), QSize(1280, 640));
}
